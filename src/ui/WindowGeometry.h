#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

#include "ui/LayoutMath.h"

class cVeRegistry;

// The main window's size bookkeeping as plain arithmetic. The window's size
// is its outer size in twips (frame, caption and menu bar included); the
// window system sizes the client area in pixels and frames it later, when
// the window is first shown, so what was asked for is kept to ask again
// once the frame is known.
class WindowGeometry {
public:
    LayoutMath::OuterSize twips() const { return m_twips; }
    void setTwips(LayoutMath::OuterSize twips) { m_twips = twips; }

    // The client size to ask the window system for, so that the outer size,
    // at twipsX x twipsY twips per pixel, comes out as twips().
    QSize clientSizeToRequest(double twipsX, double twipsY);

    // The window system reports a frame (client size at that moment). When
    // it differs from the one known, the size asked for before did not count
    // it: returns the client size to ask for again, unless the user has
    // sized the window since.
    std::optional<QSize> frameSeen(QSize frame, QSize client);

    // The client area has this size now. A size other than the one asked
    // for came from the user or the window system: the twips follow it.
    void resized(QSize client, double twipsX, double twipsY);

    // The outer size in pixels last asked for or seen.
    QSize outerPixels() const { return m_outerPx; }
    // Where the window's outer top left goes to be centred in room (the
    // top left corner of the room when the window is larger).
    QPoint centredIn(const QRect& room) const;

    // The outer size stored in the settings, each dimension cleaned up by
    // restored() against the current size and the room (twips; a dimension
    // of 0 has no limit).
    LayoutMath::OuterSize storedSize(cVeRegistry& registry, LayoutMath::OuterSize room) const;
    // Stores the height and/or the width. Every layout pass saves: text
    // this object has written already (nested passes, the many events of
    // one drag) is not written again.
    void save(cVeRegistry& registry, bool height, bool width);

    // A stored size as the window uses it: the current size for text that
    // is not a positive number, and no more than limit (when positive).
    static double restored(const QString& stored, double current, double limit);
    // A size as the settings store keeps it: decimal text of a
    // single-precision number (6000 as "6000").
    static QString settingText(double twips);

private:
    LayoutMath::OuterSize m_twips;
    QSize m_outerPx;                      // the outer size in pixels last asked for
    QSize m_requestedClient;              // the client size that went with it
    QSize m_frame{0, 0};                  // frame width and height as last seen (none until shown)
    QString m_savedHeight, m_savedWidth;  // as last written
};
