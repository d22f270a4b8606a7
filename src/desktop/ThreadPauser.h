#pragma once

#include "platform/IPauser.h"

class ThreadPauser : public IPauser {
public:
    void pause(int milliseconds) override;
};
