// CSolverDlg: the program's only window.
//
// A small fixed-size dialog with the selection box, the Solve button, the list of solutions
// and the Quick solve controls. It owns the dictionary, which it loads from "dictionary.txt"
// while it is being constructed, before any window exists. Solve lists every word the
// selection can spell; Quick solve goes from the clipboard and back in one click.
#pragma once

#include <vector>

#include "core/dictionary.h"
#include "framework/afxwin.h"
#include "res/resource.h"

class CSolverDlg : public CDialog {
public:
    explicit CSolverDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_SOLVER_DIALOG };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnBnClickedSolve();
    afx_msg void OnBnClickedQuickSolve();

    // Solves the selection box's letters into `results` and shows them in the list.
    void SolveSelection(std::vector<CString>& results);

    DECLARE_MESSAGE_MAP()

private:
    HICON m_hIcon = nullptr;
    CEdit m_selection;
    CEdit m_clipboard;
    CDictionary m_dictionary;
    CListBox m_solutions;
};
