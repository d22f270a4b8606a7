#include "service/Twips.h"

#include <algorithm>
#include <cmath>

namespace Twips {

double perPixel(double logicalDpi) {
    if (!(logicalDpi > 0) || !std::isfinite(logicalDpi)) logicalDpi = 96.0;
    return 1440.0 / logicalDpi;
}

int toPixels(double twips, double twipsPerPixel) {
    const double px = twips / twipsPerPixel;
    if (std::isnan(px)) return 0;
    return static_cast<int>(std::round(std::clamp<double>(px, -pixelLimit, pixelLimit)));
}

}  // namespace Twips
