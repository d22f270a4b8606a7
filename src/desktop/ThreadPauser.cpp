#include "desktop/ThreadPauser.h"

#include <QCoro/QCoroTimer>
#include <chrono>

QCoro::Task<> ThreadPauser::pause(int milliseconds) {
    if (milliseconds > 0) co_await QCoro::sleepFor(std::chrono::milliseconds(milliseconds));
}
