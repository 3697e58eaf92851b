// The web backend's handle table: what each window handle stands for (a dialog or one of
// its controls, of which kind, with which id and styles). The CWnd bound to a handle is
// kept in window_objects.h.
//
// The page keeps the element behind each handle (page.js); this table keeps what C++ needs
// to route messages. Handles are numbers never reused, so a stale or null handle finds
// nothing and its callers do nothing. Single-threaded, like the page. Not for application
// code.
#pragma once

#include "framework/emulated/dialog_units.h"
#include "framework/winapi/win_types.h"

namespace framework {

enum class WindowKind { Dialog, Button, GroupBox, Edit, ListBox, Static };

struct WindowRecord {
    WindowKind kind;
    HWND dialog; // the dialog a control belongs to; the dialog's own handle for a dialog
    int id;
    DWORD style;
    LPARAM bigIcon = 0;
    LPARAM smallIcon = 0;
    // A dialog's: the base units of its font and its client size in CSS pixels.
    DialogBaseUnits baseUnits = {};
    int width = 0;
    int height = 0;
};

// A fresh handle value, distinct from every earlier one of any kind.
ULONG_PTR NextHandleValue();

HWND RegisterWindow(const WindowRecord& record);
WindowRecord* FindWindowRecord(HWND window);
// The control `id` of `dialog`, or null.
HWND ControlOf(HWND dialog, int id);
// Forgets the dialog and its controls; bound objects lose their m_hWnd.
void ForgetDialog(HWND dialog);

} // namespace framework
