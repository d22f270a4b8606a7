#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The arithmetic of the area picker, apart from any window: the rectangle a
// drag makes, and the pixels of a screen's shot it covers.
namespace ScreenAreaMath {

// A press and release closer than this in both directions is a click.
inline constexpr int minimumDrag = 4;

// The rectangle between the two corners of a drag, in either direction, both
// corners included; empty for a click.
QRect dragged(QPoint from, QPoint to);

// The pixels of a screen's shot that an area in desktop coordinates covers.
// The screen sits at screenGeometry on the desktop (logical coordinates);
// its shot has shotSize device pixels, so a scale factor of 2 doubles
// everything and a fractional one rounds outwards. Only the part on this
// screen counts; empty when the area misses it.
QRect shotPixels(const QRect& area, const QRect& screenGeometry, const QSize& shotSize);

}  // namespace ScreenAreaMath
