#pragma once

#include "platform/IPauser.h"

// Real pauses on a timer: the thread goes on serving its event loop.
class ThreadPauser : public IPauser {
public:
    QCoro::Task<> pause(int milliseconds) override;
};
