#include "ui/solver_dlg.h"

CSolverDlg::CSolverDlg(CWnd* pParent)
    : CDialog(CSolverDlg::IDD, pParent), m_dictionary(CString("dictionary.txt")) {
    m_hIcon = ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MAINFRAME), RT_GROUP_ICON),
                          MAKEINTRESOURCE(IDR_MAINFRAME));
}

void CSolverDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECTION, m_selection);
    DDX_Control(pDX, IDC_CLIPBOARD, m_clipboard);
    DDX_Control(pDX, IDC_SOLUTIONS, m_solutions);
}

BEGIN_MESSAGE_MAP(CSolverDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_SOLVE, &CSolverDlg::OnBnClickedSolve)
    ON_BN_CLICKED(IDC_QUICK_SOLVE, &CSolverDlg::OnBnClickedQuickSolve)
END_MESSAGE_MAP()

BOOL CSolverDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // The window starts as a taskbar button; the player restores it when a round begins.
    ShowWindow(SW_MINIMIZE);

    return TRUE;  // the system puts the focus on the first tab stop, the selection box
}

// While minimised the dialog draws only its icon, centred in the client area.
void CSolverDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;

        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CSolverDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}
