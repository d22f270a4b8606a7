#pragma once

#include "platform/IUrlOpener.h"

class DesktopUrlOpener : public IUrlOpener {
public:
    void open(const QString& address) override;
};
