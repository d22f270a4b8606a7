#pragma once

#include <QString>
#include <optional>

class ConfigElement;

// The window layout as plain arithmetic: no widgets, everything in twips
// (1/1440 inch). The window feeds its outer size and the controls' current
// boxes in and applies what comes out.
namespace LayoutMath {

// The client area before any code runs.
inline constexpr double clientWidthTwips = 5385;
inline constexpr double clientHeightTwips = 1785;

// Twips become pixels through service/Twips.h.

// Round to the nearest integer, a half to the even neighbour. Nothing when
// the value does not fit a signed 32-bit integer (or is not finite).
std::optional<int> roundHalfEven32(double value);

// The six measures of the document's Sizes element. A missing minimum means
// "no minimum" for that dimension.
struct Sizes {
    std::optional<double> minwidth, minheight;
    double header = 0, footer = 0, right = 0, center = 0;
};

// Reads the Sizes element. Throws Failure for a missing element, a
// missing header/footer/right/center, or any attribute that is not a number.
Sizes readSizes(const ConfigElement& sizes);

struct Box {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Box&) const = default;
};

// The controls the layout reads or moves.
struct Controls {
    Box txtFrom, cboLanguages, cboEngines, cmdTranslate, txtTo, txtHearIt, cmdHearIt, lblHint;
    bool operator==(const Controls&) const = default;
};

// The controls as they stand before the first layout pass.
Controls initialControls();

// The outer size the window must have: at least the minimum in each
// dimension that has one.
struct OuterSize {
    double width = 0, height = 0;
};
OuterSize springBack(const Sizes& sizes, OuterSize current);

struct Result {
    bool ok = false;
    QString error;      // why the pass was refused, when !ok
    int footerTop = 0;  // F
    Controls controls;  // the new boxes, when ok
};

// One layout pass at an outer size that has already been sprung back. A pass
// that would give a text box a negative width or height, or whose footer top
// does not fit 32 bits, is refused: the caller keeps its last layout.
Result layout(const Sizes& sizes, OuterSize size, const Controls& current);

}  // namespace LayoutMath
