#pragma once

#include <QString>
#include <stdexcept>

// Raised when the service configuration document cannot answer a lookup the
// way the caller needs: an invalid query, a missing element or attribute, or
// a value that does not convert.
class ConfigError : public std::runtime_error {
public:
    explicit ConfigError(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
