// What a dialog template's control becomes on the page: its kind of element and the flags
// the element takes from the control's styles. One rule for the program, which makes the
// elements when its dialog starts (dialog_builder.cpp), and for the build's prerenderer,
// which writes the same elements into the page's HTML (dialog_markup.cpp). Not for
// application code.
#pragma once

#include "framework/resources.h"
#include "framework/web/private/handles.h"

namespace framework::page {

// Control flags the page needs from the template's styles.
struct ControlFlags {
    bool tabStop = false;
    bool visible = true;
    bool disabled = false;
    bool border = false;
    bool readOnly = false;
    bool upperCase = false;
    const char* align = ""; // "", "center" or "right" for statics
};

WindowKind KindOf(const DialogItemTemplate& item);
// "button", "default", "group", "edit", "listbox" or "static".
const char* PageKind(WindowKind kind, DWORD style);
ControlFlags FlagsOf(WindowKind kind, DWORD style);
// The template's accessible name, or null when it has none.
const char* AccessibleName(const DialogItemTemplate& item);

// The dialog's font as the template gives it, with the system's defaults for what it leaves
// out.
inline int PointSizeOf(const DialogTemplate& dialog) {
    return dialog.pointSize > 0 ? dialog.pointSize : 9;
}
inline int WeightOf(const DialogTemplate& dialog) {
    return dialog.weight > 0 ? dialog.weight : 400;
}

} // namespace framework::page
