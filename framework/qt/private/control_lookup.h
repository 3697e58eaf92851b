// Finding a dialog's controls and their text, for the framework and for tests.
//
// Each control widget carries its template identifier (a dynamic property), so it can be
// found as the original finds its controls: by number. Lookups on null or foreign widgets
// give null, -1 or an empty text.
#pragma once

#include <QString>

#include "framework/qt/private/handles.h"

class QWidget;

namespace framework {

void SetControlId(QWidget* control, int id);
int ControlId(const QWidget* control); // -1 when it has none

// The direct child control of `dialog` with identifier `id`, or null.
QWidget* ControlWidget(QWidget* dialog, int id);

// A control's window text: an edit box's contents, a button's or static's text, a group
// box's title; empty for a list box.
QString ControlText(const QWidget* control);
void SetControlText(QWidget* control, const QString& text);

} // namespace framework
