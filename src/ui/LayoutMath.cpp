#include "ui/LayoutMath.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

#include "config/ConfigElement.h"
#include "config/ConfigValue.h"
#include "config/Failure.h"

namespace LayoutMath {

std::optional<int> roundHalfEven32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; do the tie-break by hand to be independent.
    double r = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) r = 2.0 * std::round(value / 2.0);
    if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(r);
}

namespace {

std::optional<double> optionalNumber(const ConfigElement& sizes, const char* name) {
    const auto text = sizes.getAttribute(name);
    if (!text) return std::nullopt;
    const auto v = ConfigValue::toSingle(*text);
    if (!v)
        throw Failure(QCoreApplication::translate("LayoutMath", "not a number: %1")
                          .arg(QStringLiteral("Sizes@") + QString::fromUtf8(name)));
    return *v;
}

}  // namespace

Sizes readSizes(const ConfigElement& sizes) {
    if (sizes.isNull())
        throw Failure(
            QCoreApplication::translate("LayoutMath", "the document has no Sizes element"));
    Sizes s;
    s.minwidth = optionalNumber(sizes, "minwidth");
    s.minheight = optionalNumber(sizes, "minheight");
    s.header = sizes.requireSingle("header");
    s.footer = sizes.requireSingle("footer");
    s.right = sizes.requireSingle("right");
    s.center = sizes.requireSingle("center");
    return s;
}

Controls initialControls() {
    Controls c;
    c.txtFrom = {0, 0, 5415, 285};
    c.cboLanguages = {0, 360, 2355, 315};
    c.cboEngines = {2430, 360, 1590, 315};
    c.cmdTranslate = {4050, 360, 1320, 285};
    c.txtTo = {0, 720, 5415, 285};
    c.txtHearIt = {2160, 1140, 1785, 285};
    c.cmdHearIt = {4020, 1140, 1335, 285};
    c.lblHint = {540, 1200, 1605, 195};
    return c;
}

OuterSize springBack(const Sizes& sizes, OuterSize current) {
    if (sizes.minwidth && current.width < *sizes.minwidth) current.width = *sizes.minwidth;
    if (sizes.minheight && current.height < *sizes.minheight) current.height = *sizes.minheight;
    return current;
}

Result layout(const Sizes& s, OuterSize size, const Controls& current) {
    Result r;
    const auto f = roundHalfEven32(size.height - s.footer);
    if (!f) {
        r.error = QStringLiteral("the footer top does not fit a 32-bit integer");
        return r;
    }
    const qint64 F = *f;
    if (F + 120 > std::numeric_limits<int>::max()) {
        r.error = QStringLiteral("the Hear It row lies beyond the 32-bit range");
        return r;
    }
    const double W = size.width;
    Controls c = current;

    // Rows in order; each reads the current values of the controls it names.
    c.cmdTranslate.left = W - c.cmdTranslate.width - s.right;
    c.txtHearIt.left = W - c.txtHearIt.width - s.right - c.cmdHearIt.width - 50;
    c.cmdHearIt.left = W - c.cmdHearIt.width - s.right;
    c.lblHint.left = W - c.txtHearIt.width - s.right - c.cmdHearIt.width - 50 - c.txtHearIt.width;
    c.txtFrom.top = s.header;
    c.cmdTranslate.top = s.header + (F - s.header - c.cmdTranslate.height) / 2;
    c.cboEngines.top = s.header + (F - s.header - c.cboEngines.height) / 2;
    c.cboLanguages.top = s.header + (F - s.header - c.cboLanguages.height) / 2;
    c.txtTo.top = s.header + (F - s.header - c.cboLanguages.height) / 2 + c.cboLanguages.height;
    c.txtHearIt.top = static_cast<double>(F + 50);
    c.cmdHearIt.top = static_cast<double>(F + 50);
    c.lblHint.top = static_cast<double>(F + 120);
    c.txtFrom.width = W - s.right;
    c.txtTo.width = W - s.right;
    c.txtFrom.height = (F - s.header) / 2 - s.center;
    c.txtTo.height = (F - s.header) / 2 - s.center;

    if (!(c.txtFrom.width >= 0) || !(c.txtFrom.height >= 0)) {
        r.error = QStringLiteral("the sizes leave the text boxes a negative width or height");
        return r;
    }
    r.ok = true;
    r.footerTop = static_cast<int>(F);
    r.controls = c;
    return r;
}

}  // namespace LayoutMath
