// The in-memory extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items)
// that the system's dialog manager builds a dialog from, made from the resource table's
// template at run time, so the res/ table stays the one source of the dialog.
#pragma once

#include <vector>

#include "framework/resources.h"

namespace framework {

// The template's words; the buffer is DWORD-aligned, as DialogBoxIndirectParamA needs.
std::vector<DWORD> BuildDialogTemplate(const DialogTemplate& dialog);

} // namespace framework
