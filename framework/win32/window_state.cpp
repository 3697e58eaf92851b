// CWnd::ShowWindow (see wnd.h), apart because starting minimised needs care.
#include "framework/wnd.h"

#include "framework/win32/private/start_state.h"

BOOL CWnd::ShowWindow(int command) {
    if (!m_hWnd)
        return FALSE;
    // A minimise before the window was ever shown is the start state (start_state.h); any
    // other request ends it.
    const bool startMinimised = command == SW_MINIMIZE && !::IsWindowVisible(m_hWnd);
    framework::KeepMinimisedAtStart(startMinimised ? m_hWnd : nullptr);
    return ::ShowWindow(m_hWnd, command);
}
