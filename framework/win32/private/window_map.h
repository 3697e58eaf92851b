// The table of bound windows: which CWnd a window's messages go to, and the procedure the
// window had before it was bound (its default procedure).
//
// Binding replaces the window's procedure with the framework's, which calls the CWnd's
// WindowProc; CWnd::DefWindowProc then calls the procedure saved here. The table is small (a
// dialog and its bound controls) and lives in the process, so routing a message costs no call
// into the system. When the window is destroyed the binding goes and the CWnd's m_hWnd is
// cleared. Single-threaded, like the windows themselves.
#pragma once

#include "framework/winapi/win_types.h"

class CWnd;

namespace framework {

// Routes the messages of `window` through `object`; FALSE when either is already bound.
BOOL BindWindowObject(HWND window, CWnd* object);
// Undoes the binding of `object` (if any); the window itself is left alone.
void DetachWindowObject(const CWnd* object);
CWnd* WindowObjectFromHwnd(HWND window);

// The window's procedure from before it was bound; DefWindowProcA for an unbound window.
LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace framework
