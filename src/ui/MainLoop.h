#pragma once

#include <QMetaObject>
#include <functional>

class QObject;

namespace MainLoop {

// Runs fn once, the next time the program's main event loop (not a nested
// one, nor a processEvents() spin) is about to wait for events: the place
// where a receiver may safely delete what sent it. Without an event
// dispatcher fn runs at once. Disconnecting the returned connection (or
// deleting context) calls it off.
QMetaObject::Connection whenIdle(QObject* context, std::function<void()> fn);

}  // namespace MainLoop
