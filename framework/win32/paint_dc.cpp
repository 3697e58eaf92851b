// The paint handler's device context (see paint_dc.h): BeginPaint and EndPaint.
#include "framework/paint_dc.h"

#include "framework/wnd.h"

CPaintDC::CPaintDC(CWnd* window) {
    HWND hwnd = window ? window->m_hWnd : nullptr;
    if (!hwnd || !::IsWindow(hwnd))
        return;
    m_hDC = ::BeginPaint(hwnd, &m_ps);
    if (m_hDC)
        m_hWnd = hwnd;
}

CPaintDC::~CPaintDC() {
    if (m_hWnd)
        ::EndPaint(m_hWnd, &m_ps);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon) {
    return m_hDC ? ::DrawIcon(m_hDC, x, y, icon) : FALSE;
}
