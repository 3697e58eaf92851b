// CEdit: the program object of an edit box, bound to the control by DDX_Control.
//
// It only forwards to the control through messages (WM_PASTE, WM_COPY, EM_SETSEL,
// EM_SCROLLCARET); the edit box itself does the work.
#pragma once

#include "framework/wnd.h"

class CEdit : public CWnd {
public:
    // Selects bytes [start, end); 0, -1 selects everything, -1 as start removes the selection.
    void SetSel(int start, int end);
    void Paste(); // the clipboard's text replaces the selection, line breaks become spaces
    void Copy();  // the selection to the clipboard; nothing selected leaves it as it was
};
