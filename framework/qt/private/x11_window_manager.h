// Requests to the X window manager about a top-level window's state, made through the xcb
// connection Qt already has (ICCCM). Each returns false where there is no X connection (another
// platform, or a build without xcb); the caller then leaves the state to Qt.
//
// They only ask: the window manager may carry a request out, refuse it, or not be there at
// all. The state it really gives the window comes back through Qt (WM_STATE, turned into a
// window state change).
#pragma once

class QWindow;

namespace framework::x11 {

// Asks that the window, not yet mapped, be mapped Iconic (WM_HINTS initial_state): a manager
// that honours it never shows the normal window. Creates the native window if need be.
bool AskToStartIconic(QWindow* window);

// Asks that the mapped window be iconified (a WM_CHANGE_STATE message to the root).
bool AskToIconify(QWindow* window);

} // namespace framework::x11
