#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <vector>

// A handle to one element of the loaded service configuration document. It is
// only valid while the document it came from lives. A default-constructed
// handle is the "nothing found" answer of a lookup.
class ConfigElement {
    Q_DECLARE_TR_FUNCTIONS(ConfigElement)

public:
    ConfigElement() = default;
    explicit ConfigElement(pugi::xml_node node) : m_node(node) {}

    bool isNull() const { return !m_node; }
    explicit operator bool() const { return !isNull(); }
    QString name() const;

    // The attribute's text, or nothing when the element lacks it (or when
    // this handle is null). Absent and empty are different answers.
    std::optional<QString> getAttribute(const char* attribute) const;

    // An attribute that is only joined into a longer text: absent reads as "".
    QString joinedText(const char* attribute) const;

    // Attributes that must be present. Each throws Failure naming the
    // element and attribute when the handle is null, the attribute absent,
    // or the text does not convert.
    QString requireText(const char* attribute) const;
    std::int16_t requireInt16(const char* attribute) const;
    std::int32_t requireInt32(const char* attribute) const;
    float requireSingle(const char* attribute) const;

    // Element children in document order (comments and text never count).
    std::vector<ConfigElement> childNodes() const;

    pugi::xml_node node() const { return m_node; }

private:
    QString describe(const char* attribute) const;
    pugi::xml_node m_node;
};
