#pragma once

#include <QString>

// Opens an address in the user's default handler (never through a shell).
class IUrlOpener {
public:
    virtual ~IUrlOpener() = default;
    virtual void open(const QString& address) = 0;
};
