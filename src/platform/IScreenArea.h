#pragma once

#include <QString>
#include <functional>

class QImage;

// Lets the user pick an area of the screen and hands over its pixels: a
// picker of our own over a shot of the screens on X11, the desktop's own on
// Wayland (the screenshot portal).
class IScreenArea {
public:
    // The area's pixels, with the screen's resolution set on the image.
    using PickedHandler = std::function<void(const QImage& area)>;
    // Nothing picked: why, for the status line; empty when the user
    // cancelled.
    using RefusedHandler = std::function<void(const QString& why)>;

    virtual ~IScreenArea() = default;

    // Returns at once; exactly one of the handlers runs later on the
    // user-interface thread. A pick still open is cancelled first.
    virtual void pick(PickedHandler onPicked, RefusedHandler onRefused) = 0;
};
