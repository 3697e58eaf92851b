// The default window procedures on the page: what a dialog, an edit box or a list box does
// with a message that no message map handled.
//
// Each acts on the page before returning (the clipboard's, after the browser has answered),
// so a sender sees the effect at once. Messages a window does not know return 0; a bad
// handle returns 0, or LB_ERR for list box messages.
#pragma once

// DefaultWindowProc and FailureResult are declared in message_routing.h.
#include "framework/emulated/message_routing.h"
