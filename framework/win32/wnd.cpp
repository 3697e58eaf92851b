// Windows as program objects (see wnd.h), on real HWNDs.
#include "framework/wnd.h"

#include <vector>

#include "framework/paint_dc.h"
#include "framework/win32/private/window_map.h"

CWnd::~CWnd() {
    framework::DetachWindowObject(this);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    text = CString();
    HWND control = m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr;
    if (!control)
        return 0;
    std::vector<char> buffer(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1);
    ::GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    text = CString(buffer.data());
    return text.GetLength();
}

void CWnd::SetDlgItemText(int id, LPCSTR text) {
    if (m_hWnd)
        ::SetDlgItemTextA(m_hWnd, id, text ? text : "");
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd ? ::SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::ShowWindow(int command) {
    return m_hWnd ? ::ShowWindow(m_hWnd, command) : FALSE;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd && ::IsIconic(m_hWnd) ? TRUE : FALSE;
}

void CWnd::GetClientRect(LPRECT rect) const {
    if (rect && !(m_hWnd && ::GetClientRect(m_hWnd, rect)))
        *rect = RECT{0, 0, 0, 0};
}

void CWnd::Invalidate(BOOL erase) {
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, erase);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd ? framework::CallPreviousProc(m_hWnd, message, wParam, lParam) : 0;
}

// Nothing to draw, but the paint must be done: a window left invalid gets WM_PAINT again.
void CWnd::OnPaint() {
    CPaintDC dc(this);
}
