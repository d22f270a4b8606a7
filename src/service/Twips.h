#pragma once

// The service document measures windows and controls in twips, 1440 to the
// inch; the screen counts pixels at its logical resolution.
namespace Twips {

// Twips per pixel at a logical resolution (15 at 96 dots per inch). A
// resolution that is not a positive number counts as 96.
double perPixel(double logicalDpi);

// Twips to whole pixels, a half away from zero, but defined for every value:
// the result stays within +-pixelLimit, and NaN gives 0. Whatever sizes a
// document sends, the pixel arithmetic is defined and no window asks for
// more memory than the largest a screen could show. X11 carries no window
// side longer than 32767 pixels.
inline constexpr int pixelLimit = 32767;
int toPixels(double twips, double twipsPerPixel);

// The longest window side a document may ask for: pixelLimit at 96 dots per
// inch. A size beyond it cannot be shown on any screen.
inline constexpr double largest = pixelLimit * 15.0;

}  // namespace Twips
