// CDialog: a modal dialog built from a dialog template registered by the resource module.
//
// DoModal creates the window and its controls from the template, calls OnInitDialog, runs
// the dialog's own event loop (every message goes through the message map) until EndDialog,
// then destroys the window and returns the end code. Escape and the close box send IDCANCEL,
// which reaches OnCancel. Modeless dialogs are not provided.
#pragma once

#include "framework/wnd.h"

class CDialog;

// What DoDataExchange works with: the dialog, and the direction of the exchange.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds the control window `id` of the dialog to `control` (once; later calls keep it).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // The end code given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Ends the modal loop with `result` once the current message has been handled.
    void EndDialog(int result);

    // A rectangle in the dialog's units to pixels of its client area, by the base units of
    // the dialog's font, as its template's controls were placed; unchanged while the dialog
    // has no window.
    void MapDialogRect(LPRECT rect) const;

    // Runs DoDataExchange; with saveAndValidate FALSE it only binds controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Binds the controls; TRUE asks for the focus on the first tab stop.
    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();                       // UpdateData, then EndDialog(IDOK)
    virtual void OnCancel();                   // EndDialog(IDCANCEL)
    BOOL OnCmdMsg(UINT id, int code) override; // then the application object

    DECLARE_MESSAGE_MAP()

private:
    UINT m_templateId;
    CWnd* m_parent;
    bool m_ended = false;
    int m_endCode = -1;
};
