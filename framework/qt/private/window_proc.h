// The default window procedures: what a dialog, an edit box or a list box does with a
// message that no message map handled. One flat switch per kind of window.
//
// Each acts on the real widget before returning, so a sender sees the effect at once.
// Messages a window does not know return 0; a bad handle returns 0, or LB_ERR for list box
// messages.
#pragma once

#include "framework/emulated/message_routing.h" // DefaultWindowProc, FailureResult
#include "framework/winapi/win_types.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace framework {

LRESULT DialogProc(QWidget* dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(QLineEdit* edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxProc(QListWidget* list, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace framework
