#include "ui/MainLoop.h"

#include <QAbstractEventDispatcher>
#include <QThread>
#include <QTimer>
#include <memory>

namespace MainLoop {

QMetaObject::Connection whenIdle(QObject* context, std::function<void()> fn) {
    // The dispatcher announces that it is about to block only from an event
    // loop, never from a processEvents() spin, and the loop level tells the
    // main loop from a nested one.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(context->thread());
    if (!dispatcher) {
        fn();
        return {};
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, context,
                                   [connection, fn = std::move(fn)] {
                                       if (QThread::currentThread()->loopLevel() > 1) return;
                                       QObject::disconnect(*connection);
                                       fn();
                                   });
    QTimer::singleShot(0, context, [] {});  // make sure the loop wakes up and comes back to idle
    return *connection;
}

}  // namespace MainLoop
