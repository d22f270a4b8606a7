#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Conversions of the document's decimal text. Each returns nothing when the
// text is not a number of the wanted kind or lies outside its range.
namespace ConfigValue {

std::optional<std::int16_t> toInt16(const QString& text);
std::optional<std::int32_t> toInt32(const QString& text);
std::optional<float> toSingle(const QString& text);

}  // namespace ConfigValue
