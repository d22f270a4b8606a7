#include "ui/WindowGeometry.h"

#include <QtMath>
#include <algorithm>

#include "config/ConfigValue.h"
#include "config/Settings.h"
#include "service/Twips.h"

QSize WindowGeometry::clientSizeToRequest(double twipsX, double twipsY) {
    m_outerPx = QSize(std::max(1, Twips::toPixels(m_twips.width, twipsX)),
                      std::max(1, Twips::toPixels(m_twips.height, twipsY)));
    m_requestedClient = (m_outerPx - m_frame).expandedTo(QSize(1, 1));
    return m_requestedClient;
}

std::optional<QSize> WindowGeometry::frameSeen(QSize frame, QSize client) {
    if (frame == m_frame) return std::nullopt;
    m_frame = frame;
    if (client != m_requestedClient) return std::nullopt;
    m_requestedClient = (m_outerPx - frame).expandedTo(QSize(1, 1));
    if (m_requestedClient == client) return std::nullopt;
    return m_requestedClient;
}

void WindowGeometry::resized(QSize client, double twipsX, double twipsY) {
    const QSize outer = client + m_frame;
    if (outer == m_outerPx) return;  // as asked: the exact twips stay
    m_outerPx = outer;
    m_requestedClient = client;
    m_twips = {outer.width() * twipsX, outer.height() * twipsY};
}

QPoint WindowGeometry::centredIn(const QRect& room) const {
    return {room.x() + std::max(0, (room.width() - m_outerPx.width()) / 2),
            room.y() + std::max(0, (room.height() - m_outerPx.height()) / 2)};
}

double WindowGeometry::restored(const QString& stored, double current, double limit) {
    const auto value = ConfigValue::toSingle(stored);
    // A damaged value must not keep the program from starting, and a size
    // far beyond the screen is of no use to anyone.
    if (!value || !(*value > 0)) return current;
    return limit > 0 ? std::min<double>(*value, limit) : double(*value);
}

QString WindowGeometry::settingText(double twips) {
    return QString::number(static_cast<double>(static_cast<float>(twips)), 'g', 7);
}

LayoutMath::OuterSize WindowGeometry::storedSize(cVeRegistry& registry,
                                                 LayoutMath::OuterSize room) const {
    const Settings settings(registry);
    const auto stored = [&](Settings::Key key, double current, double limit) {
        return restored(settings.get(key, settingText(current)), current, limit);
    };
    const double height = stored(Settings::Key::Height, m_twips.height, room.height);
    return {stored(Settings::Key::Width, m_twips.width, room.width), height};
}

void WindowGeometry::save(cVeRegistry& registry, bool height, bool width) {
    Settings settings(registry);
    const auto write = [&settings](Settings::Key key, double twips, QString& last) {
        const QString text = settingText(twips);
        if (text == last) return;
        if (settings.set(key, text)) last = text;
    };
    if (height) write(Settings::Key::Height, m_twips.height, m_savedHeight);
    if (width) write(Settings::Key::Width, m_twips.width, m_savedWidth);
}
