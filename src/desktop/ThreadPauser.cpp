#include "desktop/ThreadPauser.h"

#include <QThread>

void ThreadPauser::pause(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}
