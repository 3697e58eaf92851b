// Makes the widget for one control of a dialog template, by its class and style bits:
//
//   button + BS_GROUPBOX           QGroupBox (no focus; placed below the other controls)
//   button + BS_(DEF)PUSHBUTTON    QPushButton (BS_DEFPUSHBUTTON: the dialog's default)
//   edit                           QLineEdit (ES_READONLY, ES_UPPERCASE, WS_BORDER)
//   listbox                        QListWidget, unsorted, uniform rows (WS_VSCROLL as needed)
//   static                         QLabel, top-aligned, word-wrapped (SS_CENTER, SS_RIGHT)
//
// The widget gets its identifier, handle, focus policy (WS_TABSTOP), visibility and the
// template's accessible name; its geometry is the dialog builder's job. An unknown class
// gives a plain, empty widget.
#pragma once

class QWidget;

namespace framework {

struct DialogItemTemplate;

QWidget* CreateControl(const DialogItemTemplate& item, QWidget* dialog);

} // namespace framework
