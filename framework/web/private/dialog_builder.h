// Page elements from a dialog template: the page becomes the dialog, titled with its
// caption, and each control an element at the template's position.
//
// Dialog units become CSS pixels by the rule every backend shares: the base units of the
// dialog's font ((average width of A-Z and a-z / 26 + 1) / 2, and its height), x by
// width / 4 and y by height / 8, rounded as MulDiv rounds. Buttons are native buttons (the
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
