// The list box wrapper forwards to the control (see list_box.h).
#include "framework/list_box.h"

#include <vector>

#include "framework/winapi/win_api.h"

void CListBox::ResetContent() {
    ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::AddString(LPCSTR text) {
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::GetCount() const {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetText(int index, CString& text) const {
    text = CString();
    const WPARAM row = static_cast<WPARAM>(index);
    const LRESULT length = ::SendMessageA(m_hWnd, LB_GETTEXTLEN, row, 0);
    if (length < 0)
        return LB_ERR;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    if (::SendMessageA(m_hWnd, LB_GETTEXT, row, reinterpret_cast<LPARAM>(buffer.data())) < 0)
        return LB_ERR;
    text = CString(buffer.data());
    return text.GetLength();
}
