// CPaintDC: the device context of a window's paint handler (OnPaint).
//
// While the window's paint event runs it opens a painter on the window and exposes it as an
// HDC for DrawIcon and WM_ICONERASEBKGND; it closes the painter when destroyed. Made
// anywhere else (outside a paint event, on a stale window) it is harmless: its HDC is null
// and drawing does nothing. On Windows it is BeginPaint and EndPaint on the window, which
// also validates it. It is not a general drawing API.
#pragma once

#include "framework/winapi/win_types.h"

class CWnd;

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    // Draws `icon` at its system size (SM_CXICON x SM_CYICON) with its top-left at x, y.
    BOOL DrawIcon(int x, int y, HICON icon);

private:
    HDC m_hDC = nullptr;
#ifdef _WIN32
    HWND m_hWnd = nullptr; // the window whose paint BeginPaint started
    PAINTSTRUCT m_ps{};
#endif
};
