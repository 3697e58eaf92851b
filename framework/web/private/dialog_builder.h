// Page elements from a dialog template: the page becomes the dialog, titled with its
// caption, and each control an element at the template's position.
//
// Dialog units become CSS pixels by the rule the Qt backend shares (dialog_units.h), with
// the base units of the dialog's font as the page measures it. Buttons are native buttons (the
// default one submits the dialog's form, so Enter presses it), group boxes fieldsets with a
// legend, edit boxes text inputs, list boxes ARIA listboxes, statics plain text. A control
// is named for screen readers by the template's accessible name, else by its own text.
#pragma once

#include "framework/resources.h"

namespace framework {

// The dialog's handle; its controls are registered under it.
HWND BuildDialog(const DialogTemplate& dialog);

// Whether a dialog was ever on the page (set by DoModal, dialog.cpp).
bool DialogWasShown();

} // namespace framework
