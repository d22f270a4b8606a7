#pragma once

#include <QString>
#include <stdexcept>

// Raised when something cannot go on, with a reason for people: a lookup
// the service configuration document cannot answer (an invalid query, a
// missing element or attribute, a value that does not convert), or a
// request the transfer object cannot start.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
