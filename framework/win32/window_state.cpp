// CWnd::ShowWindow (see wnd.h), apart because starting minimised needs care.
#include "framework/wnd.h"

BOOL CWnd::ShowWindow(int command) {
    return m_hWnd ? ::ShowWindow(m_hWnd, command) : FALSE;
}
