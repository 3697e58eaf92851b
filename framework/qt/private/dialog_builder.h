// Builds the window of a dialog template: a fixed-size top-level DialogWindow in the
// template's font, its controls placed by converting dialog units with that font's base
// units, the tab order following the template order, centred on the screen (DS_CENTER).
//
// It only builds; showing, the modal loop and the message map are CDialog's.
#pragma once

#include <memory>

class QWidget;

namespace framework {

class DialogWindow;
struct DialogTemplate;

std::unique_ptr<DialogWindow> BuildDialog(const DialogTemplate& dialog, QWidget* parent);

} // namespace framework
