#pragma once

#include <QCoro/QCoroTask>

// The pauses of the start-up, as jobs to co_await: the event loop runs
// meanwhile. Real pauses in the program, recorded and skipped in most tests.
class IPauser {
public:
    virtual ~IPauser() = default;
    virtual QCoro::Task<> pause(int milliseconds) = 0;
};
