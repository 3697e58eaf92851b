// What CDialog does the same way on every backend (see dialog.h): its commands, data exchange
// and the hand-over of unhandled commands. Running the dialog is the backend's.
#include "framework/dialog.h"

#include "framework/win_app.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

// Commands the dialog does not handle go on to the application object.
BOOL CDialog::OnCmdMsg(UINT id, int code) {
    if (CWnd::OnCmdMsg(id, code))
        return TRUE;
    CWinApp* application = AfxGetApp();
    return application ? application->OnCmdMsg(id, code) : FALSE;
}
