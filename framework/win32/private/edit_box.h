// What the framework adds to the system's single-line edit boxes, so they behave as the
// program expects on every backend:
// - WM_PASTE keeps every letter of a multi-line clipboard text: CR LF, LF and CR each become
//   one space (the system's box would keep only the first line), and an ES_UPPERCASE box
//   turns letters into capitals;
// - WM_COPY with nothing selected leaves the clipboard as it was;
// - there is no length limit (the system's default stops a long paste short).
#pragma once

#include "framework/winapi/win_types.h"

namespace framework {

// Prepares every single-line edit box among the dialog's controls.
void PrepareEditBoxes(HWND dialog);

} // namespace framework
