// Modal dialogs from templates (see dialog.h), run by the system's dialog manager.
#include "framework/dialog.h"

#include "framework/resources.h"
#include "framework/win32/private/dialog_template.h"
#include "framework/win32/private/edit_box.h"
#include "framework/win32/private/window_map.h"

namespace {

// The dialog procedure only starts the dialog: on WM_INITDIALOG it binds the window to its
// CDialog, whose WindowProc then sees every message first and hands what its message map does
// not handle back to the dialog manager, which calls this procedure again (FALSE: do the
// default).
INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    framework::BindWindowObject(window, dialog);
    framework::PrepareEditBoxes(window);
    // TRUE: the dialog manager puts the focus on the first tab stop.
    return dialog->OnInitDialog();
}

} // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!pDX || !pDX->m_pDlgWnd || control.m_hWnd)
        return;
    if (HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id))
        framework::BindWindowObject(item, &control);
}

INT_PTR CDialog::DoModal() {
    const framework::DialogTemplate* dialogTemplate = framework::FindDialogTemplate(m_templateId);
    if (!dialogTemplate || m_hWnd)
        return -1;
    const std::vector<DWORD> words = framework::BuildDialogTemplate(*dialogTemplate);
    m_ended = false;
    m_endCode = -1;
    // Returns once the window has been destroyed, which cleared m_hWnd here and in every
    // bound control.
    return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr),
                                     reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                     m_parent ? m_parent->m_hWnd : nullptr, &DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_endCode = result;
    if (m_hWnd)
        ::EndDialog(m_hWnd, result);
}
