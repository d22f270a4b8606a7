#include "config/ConfigValue.h"

#include <cmath>
#include <limits>

namespace ConfigValue {

namespace {

std::optional<qint64> toWhole(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 20) return std::nullopt;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace

std::optional<std::int16_t> toInt16(const QString& text) {
    const auto v = toWhole(text);
    if (!v || *v < std::numeric_limits<std::int16_t>::min() ||
        *v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

std::optional<std::int32_t> toInt32(const QString& text) {
    const auto v = toWhole(text);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<float> toSingle(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(d);
}

}  // namespace ConfigValue
