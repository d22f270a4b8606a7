#include "config/ConfigElement.h"

#include "config/ConfigValue.h"
#include "config/Failure.h"

QString ConfigElement::name() const {
    return m_node ? QString::fromUtf8(m_node.name()) : QString();
}

std::optional<QString> ConfigElement::getAttribute(const char* attribute) const {
    if (!m_node) return std::nullopt;
    const pugi::xml_attribute a = m_node.attribute(attribute);
    if (!a) return std::nullopt;
    return QString::fromUtf8(a.value());
}

QString ConfigElement::joinedText(const char* attribute) const {
    return getAttribute(attribute).value_or(QString());
}

QString ConfigElement::describe(const char* attribute) const {
    const QString element = m_node ? name() : tr("(missing element)");
    return element + QLatin1Char('@') + QString::fromUtf8(attribute);
}

QString ConfigElement::requireText(const char* attribute) const {
    if (!m_node) throw Failure(tr("missing element for %1").arg(describe(attribute)));
    const auto v = getAttribute(attribute);
    if (!v) throw Failure(tr("missing attribute %1").arg(describe(attribute)));
    return *v;
}

std::int16_t ConfigElement::requireInt16(const char* attribute) const {
    const auto v = ConfigValue::toInt16(requireText(attribute));
    if (!v) throw Failure(tr("not a 16-bit whole number: %1").arg(describe(attribute)));
    return *v;
}

std::int32_t ConfigElement::requireInt32(const char* attribute) const {
    const auto v = ConfigValue::toInt32(requireText(attribute));
    if (!v) throw Failure(tr("not a 32-bit whole number: %1").arg(describe(attribute)));
    return *v;
}

float ConfigElement::requireSingle(const char* attribute) const {
    const auto v = ConfigValue::toSingle(requireText(attribute));
    if (!v) throw Failure(tr("not a number: %1").arg(describe(attribute)));
    return *v;
}

std::vector<ConfigElement> ConfigElement::childNodes() const {
    std::vector<ConfigElement> out;
    for (pugi::xml_node c = m_node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element) out.emplace_back(c);
    return out;
}
