// The window-system calls the program makes outside the window classes: sending messages,
// window state and size, icons, and resource lookup; and MulDiv, the rounding by which
// dialog units become pixels.
//
// Every call accepts stale or null handles and then does nothing, returning the classic
// error value (0, FALSE, null, or LB_ERR for list box messages). On Windows the calls are the
// system's own (<windows.h>); only the framework's resource lookup is declared here.
#pragma once

#include "framework/winapi/win_types.h"

#ifndef _WIN32

// Delivers a message to the window and returns once the window has acted on it.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

BOOL IsIconic(HWND window);
// The client area as {0, 0, width, height}; FALSE (and an empty rectangle) for a bad handle.
BOOL GetClientRect(HWND window, LPRECT rect);
// SM_CXICON and SM_CYICON give the icon size, 32; every other index gives 0.
int GetSystemMetrics(int index);

// Draws the icon at SM_CXICON x SM_CYICON, its top-left at x, y.
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// The icon group `name` (a MAKEINTRESOURCE number) of the module; null when there is none.
// Loading the same group again gives the same handle.
HICON LoadIconA(HINSTANCE module, LPCSTR name);

// number * numerator / denominator, the product taken in 64 bits, rounded half away from
// zero; -1 when the denominator is 0 or the result does not fit an int. Dialog units become
// pixels through it.
int MulDiv(int number, int numerator, int denominator);
#endif // !_WIN32

// The module that holds the resource: the program has one, the executable. On Windows, null
// when the executable has no such resource.
HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);
