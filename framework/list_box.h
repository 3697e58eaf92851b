// CListBox: the program object of a list box, bound to the control by DDX_Control.
//
// It only forwards to the control through messages (LB_RESETCONTENT, LB_ADDSTRING, ...);
// the list box itself holds the strings. The list keeps them in the order they were added.
#pragma once

#include "framework/wnd.h"

class CListBox : public CWnd {
public:
    void ResetContent();
    // Appends a copy of `text`; returns its index, or LB_ERR.
    int AddString(LPCSTR text);
    // The number of strings, or LB_ERR.
    int GetCount() const;
    // The string at `index` into `text`; returns its length in bytes, or LB_ERR.
    int GetText(int index, CString& text) const;
};
