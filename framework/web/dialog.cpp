// Modal dialogs from templates (see dialog.h), as the page itself.
#include "framework/dialog.h"

#include "framework/emulated/window_objects.h"
#include "framework/resources.h"
#include "framework/web/private/dialog_builder.h"
#include "framework/web/private/handles.h"
#include "framework/web/private/list_rows.h"
#include "framework/web/private/page_bridge.h"
#include "framework/winapi/win_api.h"

namespace framework {
namespace {
bool dialogWasShown = false;
} // namespace

bool DialogWasShown() {
    return dialogWasShown;
}
} // namespace framework

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!pDX || !pDX->m_pDlgWnd || control.m_hWnd)
        return;
    if (HWND item = framework::ControlOf(pDX->m_pDlgWnd->m_hWnd, id))
        framework::AttachWindowObject(item, &control);
}

// The message loop of the dialog: each wait suspends the program (Asyncify) until the page
// reports the next click, which goes to the dialog as WM_COMMAND/BN_CLICKED from that
// button, as the system's dialog manager sends it.
INT_PTR CDialog::DoModal() {
    const framework::DialogTemplate* dialogTemplate = framework::FindDialogTemplate(m_templateId);
    if (!dialogTemplate || m_hWnd)
        return -1;
    const HWND dialog = framework::BuildDialog(*dialogTemplate);
    framework::AttachWindowObject(dialog, this);
    framework::dialogWasShown = true;

    m_ended = false;
    m_endCode = -1;
    if (OnInitDialog())
        framework::page::FocusFirstTabStop(dialog);
    while (!m_ended) {
        framework::HandOverListRows();
        const HWND button = framework::page::NextClick();
        if (const framework::WindowRecord* record = framework::FindWindowRecord(button)) {
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(record->id), BN_CLICKED),
                           reinterpret_cast<LPARAM>(button));
        }
    }

    framework::page::DestroyDialog(dialog);
    framework::ForgetDialog(dialog); // clears m_hWnd here and in every bound control
    return m_endCode;
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_endCode = result;
}

void CDialog::MapDialogRect(LPRECT rect) const {
    if (const framework::WindowRecord* record = framework::FindWindowRecord(m_hWnd); rect && record)
        framework::MapDialogUnits(*rect, record->baseUnits);
}
