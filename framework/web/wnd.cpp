// Windows as program objects (see wnd.h), on the page's elements.
#include "framework/wnd.h"

#include "framework/emulated/window_objects.h"
#include "framework/web/private/handles.h"
#include "framework/web/private/page_bridge.h"
#include "framework/web/private/window_proc.h"
#include "framework/winapi/win_api.h"

CWnd::~CWnd() {
    framework::DetachWindowObject(this);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    const HWND control = framework::ControlOf(m_hWnd, id);
    text = control ? framework::page::Text(control) : CString();
    return text.GetLength();
}

void CWnd::SetDlgItemText(int id, LPCSTR text) {
    if (const HWND control = framework::ControlOf(m_hWnd, id))
        framework::page::SetText(control, text);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

// A page is shown at once and is never minimised, like a window on a desktop that does not
// minimise: every command leaves it as it is.
BOOL CWnd::ShowWindow(int) {
    return framework::FindWindowRecord(m_hWnd) ? TRUE : FALSE;
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}

// The page draws what changed before the program next waits.
void CWnd::Invalidate(BOOL) {}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return framework::DefaultWindowProc(m_hWnd, message, wParam, lParam);
}

void CWnd::OnPaint() {}
