// The edit box wrapper forwards to the control (see edit.h).
#include "framework/edit.h"

#include "framework/winapi/win_api.h"

void CEdit::SetSel(int start, int end) {
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), end);
}

void CEdit::Paste() {
    ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}

void CEdit::Copy() {
    ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}
