#include "ui/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

#include "platform/OneLine.h"

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setText(const QString& text) {
    setText(text, text);
}

void ElidedLabel::setText(const QString& text, const QString& toolTip) {
    QLabel::setText(text);
    setToolTip(toolTip);
}

QString ElidedLabel::shownText() const {
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    return fontMetrics().elidedText(oneLine(text()), Qt::ElideRight, room.width());
}

QSize ElidedLabel::minimumSizeHint() const {
    // The height of one line; no width of its own.
    const QMargins m = contentsMargins();
    return {m.left() + m.right() + 2 * margin(),
            fontMetrics().height() + m.top() + m.bottom() + 2 * margin()};
}

QSize ElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room,
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shownText(), foregroundRole());
}
