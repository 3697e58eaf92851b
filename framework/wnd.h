// CWnd: a program object bound to one window by its handle, m_hWnd.
//
// Messages sent to the window reach WindowProc, which looks them up in the class's message
// map and otherwise hands them to the window's default procedure (what the control or dialog
// does by itself). A CWnd does not own a widget and includes no toolkit header: the handle is
// looked up in the framework's table on every call, so a stale or null handle does nothing.
#pragma once

#include "framework/cstring.h"
#include "framework/message_map.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override; // detaches from the window; never destroys it

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The text of child control `id` into `text`; returns its length in bytes (0 if none).
    int GetDlgItemText(int id, CString& text) const;
    // Replaces the whole text of child control `id`; null means empty.
    void SetDlgItemText(int id, LPCSTR text);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // SW_HIDE, SW_SHOW, SW_SHOWNORMAL, SW_RESTORE or SW_MINIMIZE; returns whether the window
    // was visible before.
    BOOL ShowWindow(int command);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;
    // WM_SETREDRAW: FALSE stops the window repainting while it changes, TRUE lets it again.
    void SetRedraw(BOOL redraw = TRUE);
    // Asks for the whole window to be repainted soon.
    void Invalidate(BOOL erase = TRUE);

    // The message map first, then the window's default procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // What the window does with a message its map does not handle.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: routes the command through OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint(); // nothing to draw but the background; the paint is done

    DECLARE_MESSAGE_MAP()

private:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
};
