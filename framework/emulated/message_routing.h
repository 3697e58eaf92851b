// Sending a message to a window, for the backends that keep windows of their own: through the
// bound object's message map when there is one, else straight to the window's default
// procedure, which the backend defines.
#pragma once

#include "framework/winapi/win_types.h"

namespace framework {

// Defined by the backend: what a dialog, an edit box or a list box does with a message that
// no message map handled.
LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The value a message returns when its window is missing: LB_ERR for list box messages, as
// the system's list box gives, else 0.
LRESULT FailureResult(UINT message);

} // namespace framework
