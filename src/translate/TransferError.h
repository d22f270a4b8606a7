#pragma once

#include <QString>
#include <stdexcept>

// Raised by InetTransfer::Execute when it cannot start the request.
class TransferError : public std::runtime_error {
public:
    explicit TransferError(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
