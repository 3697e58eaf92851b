// The CWnd bound to each window, for the backends that keep windows of their own (Qt
// widgets, page elements) and route messages themselves; Win32 keeps its bindings with the
// window procedures it replaces.
//
// A bound window's messages go through its object's message map. The binding ends when
// either side goes: the window (the object's m_hWnd is cleared) or the object. Single-threaded,
// like the windows. Not for application code.
#pragma once

#include "framework/winapi/win_types.h"

class CWnd;

namespace framework {

// Defined by the backend: whether `window` is a live window of its own.
bool WindowExists(HWND window);

// Binds `object` to `window` and sets its m_hWnd; does nothing when the window is not live or
// either side is bound already.
void AttachWindowObject(HWND window, CWnd* object);
// Undoes the binding of `object`, if any; the window itself is left alone.
void DetachWindowObject(const CWnd* object);
CWnd* WindowObjectFromHwnd(HWND window);
// The window has gone: its object, if any, loses its m_hWnd.
void ForgetWindowObject(HWND window);

} // namespace framework
