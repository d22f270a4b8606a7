#pragma once

#include <QLabel>

// A one-line label that never asks for the width of its text: it shows as
// much as fits, ending in "…", and carries the whole text in its tooltip.
// A long message can then never widen the window it sits in. text() keeps
// returning the whole text; the text is always plain (never rich text), and
// line breaks show as spaces.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Hides QLabel::setText so that the tooltip follows the text.
    void setText(const QString& text);
    // A text with a tooltip of its own, for a line kept short on purpose.
    void setText(const QString& text, const QString& toolTip);

    // What is on screen at the label's current width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
