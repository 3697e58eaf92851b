// Dialog units, the unit of dialog templates, and pixels, for the backends that place a
// dialog's controls themselves (Qt widgets, page elements). On Windows the system's dialog
// manager does this, and MulDiv and MapDialogRect are the system's own.
//
// The rule is the original window system's: the dialog's font gives its base units, x from
// the average width of the letters and y from its height; a horizontal measure (x, width) in
// dialog units is base.x / 4 pixels a unit, a vertical one (y, height) base.y / 8, each
// rounded as MulDiv rounds. Not for application code.
#pragma once

#include <string>

#include "framework/winapi/win_api.h"

namespace framework {

struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

// The base units of a font whose letters "A".."Z" "a".."z" are `alphabetWidth` pixels wide
// together and whose height is `height` pixels: x = (alphabetWidth / 26 + 1) / 2, y = height.
DialogBaseUnits BaseUnitsOfFont(int alphabetWidth, int height);

inline int HorizontalPixels(int dialogUnits, DialogBaseUnits base) {
    return MulDiv(dialogUnits, base.x, 4);
}
inline int VerticalPixels(int dialogUnits, DialogBaseUnits base) {
    return MulDiv(dialogUnits, base.y, 8);
}

// The same rule as CSS, for a page drawn before its program runs (the web build's
// prerenderer): the base units come from the custom properties --alphabet-width and
// --font-height, which the page sets once it has measured the font. CSS's round() takes a
// half up, as MulDiv does for the positive measures of a template (not for negative ones).
std::string BaseUnitsCss(); // declares --base-x and --base-y
std::string HorizontalPixelsCss(int dialogUnits);
std::string VerticalPixelsCss(int dialogUnits);

// Every edge of `rect` from dialog units to pixels, as MapDialogRect does.
void MapDialogUnits(RECT& rect, DialogBaseUnits base);

} // namespace framework
