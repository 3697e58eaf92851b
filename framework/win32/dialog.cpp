// Modal dialogs from templates (see dialog.h): the system's dialog manager makes the window
// and its controls and does the keyboard interface, and the framework runs the modal loop, as
// MFC does. The system's own modal dialog box would not do: Wine's shows its dialog normally
// the first time the message queue goes empty, even when it is visible already (minimised).
#include "framework/dialog.h"

#include "framework/resources.h"
#include "framework/win32/private/dialog_template.h"
#include "framework/win32/private/edit_box.h"
#include "framework/win32/private/window_map.h"

namespace {

// A window manager under X may activate a minimised window before it restores it. The dialog
// manager gives the controls of a minimised dialog no focus, so the dialog itself keeps it;
// once restored, the focus is passed on as when the dialog gets it: to the control that last
// had it, at first the first tab stop. (Windows restores before it activates.)
void PassFocusOnAfterRestore(HWND window) {
    if (::GetFocus() == window)
        ::DefDlgProcA(window, WM_SETFOCUS, 0, 0);
}

// The dialog procedure only starts the dialog: on WM_INITDIALOG it binds the window to its
// CDialog, whose WindowProc then sees every message first and hands what its message map does
// not handle back to the dialog manager, which calls this procedure again (FALSE: do the
// default).
INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && wParam != SIZE_MINIMIZED)
        PassFocusOnAfterRestore(window);
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    framework::BindWindowObject(window, dialog);
    framework::PrepareEditBoxes(window);
    // TRUE: the dialog manager puts the focus on the first tab stop, but not yet in a dialog
    // OnInitDialog minimised: focusing a control would activate the minimised window, which a
    // minimise hands on to the next window. Such a dialog's control gets it when restored.
    const BOOL focusFirstTabStop = dialog->OnInitDialog();
    return focusFirstTabStop && !::IsIconic(window);
}

// Runs the dialog until `ended` (EndDialog), until the window is gone, or until WM_QUIT comes
// (posted again for the loop that runs after this one). The first time the queue goes empty a
// dialog still hidden is shown; one that OnInitDialog made visible (minimised) is left as it
// is.
void RunModalLoop(HWND window, const bool& ended) {
    MSG message{};
    bool idleYet = false;
    while (!ended && ::IsWindow(window)) {
        if (!idleYet && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            idleYet = true;
            if (!::IsWindowVisible(window))
                ::ShowWindow(window, SW_SHOWNORMAL);
            continue;
        }
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0)
            ::PostQuitMessage(static_cast<int>(message.wParam));
        if (got <= 0)
            return;
        if (!::IsDialogMessageA(window, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
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
    const HWND owner = m_parent ? m_parent->m_hWnd : nullptr;
    // A visible template is shown after WM_INITDIALOG only if OnInitDialog left it hidden.
    const HWND window = ::CreateDialogIndirectParamA(
        ::GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), owner,
        &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window)
        return -1;
    const bool ownerWasEnabled = owner && !::EnableWindow(owner, FALSE);
    RunModalLoop(window, m_ended);
    // The owner is enabled again before the dialog goes, so that it takes the activation.
    if (ownerWasEnabled)
        ::EnableWindow(owner, TRUE);
    if (::IsWindow(window)) {
        ::ShowWindow(window, SW_HIDE);
        ::DestroyWindow(window); // clears m_hWnd here and in every bound control
    }
    return m_endCode;
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_endCode = result;
    if (m_hWnd)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the loop should it be waiting
}

void CDialog::MapDialogRect(LPRECT rect) const {
    if (rect && m_hWnd)
        ::MapDialogRect(m_hWnd, rect);
}
