// Dialog units, the unit of dialog templates, and pixels, for the backends that place a
// dialog's controls themselves (Qt widgets, page elements). On Windows the system's dialog
// manager does this, and MulDiv and MapDialogRect are the system's own.
//
// The rule is the original window system's: the dialog's font gives its base units, x from
// the average width of the letters and y from its height; a horizontal measure (x, width) in
// dialog units is base.x / 4 pixels a unit, a vertical one (y, height) base.y / 8, each
// rounded as MulDiv rounds. Not for application code.
#pragma once

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

// Every edge of `rect` from dialog units to pixels, as MapDialogRect does.
void MapDialogUnits(RECT& rect, DialogBaseUnits base);

} // namespace framework
