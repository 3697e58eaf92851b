#include "app/solver_app.h"

#include "ui/solver_dlg.h"

namespace {
// The framework's settings key as the original wizard wrote it, in code page 950
// ("本機 AppWizard 所產生的應用程式"). No setting is ever read or written under it.
constexpr char kRegistryKey[] = "\xa5\xbb\xbe\xf7 AppWizard \xa9\xd2\xb2\xa3\xa5\xcd\xaa\xba"
                                "\xc0\xb3\xa5\xce\xb5\x7b\xa6\xa1";
}  // namespace

BEGIN_MESSAGE_MAP(CSolverApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CSolverApp::CSolverApp() = default;

CSolverApp theApp;

BOOL CSolverApp::InitInstance() {
    InitCommonControls();
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(kRegistryKey);

    {
        CSolverDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    // The dialog is gone; do not leave the application pointing at it.
    m_pMainWnd = nullptr;

    return FALSE;  // end the application rather than start a message loop
}
