// The Solve and Quick solve commands of the solver dialog.
#include "ui/solver_dlg.h"

void CSolverDlg::SolveSelection(std::vector<CString>& results) {
    CString selection;
    GetDlgItemText(IDC_SELECTION, selection);

    m_dictionary.Solve(selection, results);

    // No repainting while the list fills: a visible list box would repaint for every row
    // added, and tens of thousands of rows would freeze the window for minutes.
    m_solutions.SetRedraw(FALSE);
    ::SendMessageA(m_solutions.m_hWnd, LB_RESETCONTENT, 0, 0);
    for (const CString& word : results) {
        ::SendMessageA(m_solutions.m_hWnd, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(static_cast<const char*>(word)));
    }
    m_solutions.SetRedraw(TRUE);
    m_solutions.Invalidate();
}

void CSolverDlg::OnBnClickedSolve() {
    std::vector<CString> results;
    SolveSelection(results);
}

void CSolverDlg::OnBnClickedQuickSolve() {
    SetDlgItemText(IDC_SELECTION, "");
    ::SendMessageA(m_selection.m_hWnd, WM_PASTE, 0, 0);

    std::vector<CString> results;
    SolveSelection(results);

    // Every solution of the greatest length, alphabetical, separated by single spaces.
    CString longest;
    if (!results.empty()) {
        const int length = results.front().GetLength();
        for (const CString& word : results) {
            if (word.GetLength() < length)
                break;
            if (!longest.IsEmpty())
                longest += ' ';
            longest += word;
        }
    }

    SetDlgItemText(IDC_CLIPBOARD, longest);
    ::SendMessageA(m_clipboard.m_hWnd, EM_SETSEL, 0, -1);
    ::SendMessageA(m_clipboard.m_hWnd, EM_SCROLLCARET, 0, 0);
    ::SendMessageA(m_clipboard.m_hWnd, WM_COPY, 0, 0);
}
