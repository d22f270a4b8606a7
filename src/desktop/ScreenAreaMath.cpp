#include "desktop/ScreenAreaMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ScreenAreaMath {

QRect dragged(QPoint from, QPoint to) {
    if (std::abs(to.x() - from.x()) < minimumDrag && std::abs(to.y() - from.y()) < minimumDrag)
        return {};
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

QRect shotPixels(const QRect& area, const QRect& screenGeometry, const QSize& shotSize) {
    const QRect onScreen = area.intersected(screenGeometry);
    if (onScreen.isEmpty() || screenGeometry.isEmpty() || shotSize.isEmpty()) return {};
    const double sx = double(shotSize.width()) / screenGeometry.width();
    const double sy = double(shotSize.height()) / screenGeometry.height();
    const QPoint local = onScreen.topLeft() - screenGeometry.topLeft();
    const int left = int(std::floor(local.x() * sx));
    const int top = int(std::floor(local.y() * sy));
    const int right = int(std::ceil((local.x() + onScreen.width()) * sx));
    const int bottom = int(std::ceil((local.y() + onScreen.height()) * sy));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))
        .intersected(QRect(QPoint(0, 0), shotSize));
}

}  // namespace ScreenAreaMath
