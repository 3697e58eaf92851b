// Starting minimised (see start_state.h).
#include "framework/win32/private/start_state.h"

namespace framework {
namespace {

HWND startingMinimised = nullptr; // one dialog at a time starts minimised
HWND focusWhenRestored = nullptr;  // the dialog whose refused restore took its focus

// The refused restore still activated the minimised window, which took the focus itself, and
// Wine's dialog manager gives a minimised dialog's controls no focus back. So once the window
// is really restored, the focus goes where the start put it: the first tab stop.
void GiveFocusBack(HWND window) {
    focusWhenRestored = nullptr;
    const HWND focus = ::GetFocus();
    if (focus && focus != window)
        return;
    if (const HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE))
        ::PostMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

// Wine's ntdll exports its version; Windows' does not.
bool RunningOnWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

} // namespace

// Only Wine's dialog manager is known to show a visible dialog again, so only there is the
// start watched. On Windows the start is over once the window is visible minimised; a watch
// there could only refuse a restore that Windows carries out from a queued event of another
// program (ShowWindowAsync) rather than a sent message.
void KeepMinimisedAtStart(HWND window) {
    startingMinimised = window && RunningOnWine() ? window : nullptr;
}

bool RefuseRestoreAtStart(HWND window, UINT message) {
    if (!window)
        return false;
    if (window == focusWhenRestored) {
        if (message == WM_NCDESTROY)
            focusWhenRestored = nullptr;
        else if (message == WM_SIZE && !::IsIconic(window))
            GiveFocusBack(window);
    }
    if (window != startingMinimised)
        return false;
    switch (message) {
    case WM_QUERYOPEN:
        startingMinimised = nullptr;
        // From another thread or process (a task switcher, ShowWindow on our window) the
        // restore comes as a sent message; the dialog manager's comes from our own loop.
        if (::InSendMessageEx(nullptr) != ISMEX_NOSEND)
            return false;
        focusWhenRestored = window;
        return true;
    case WM_SYSCOMMAND: // the user acts on the window, through the taskbar or system menu
    case WM_NCDESTROY:
        startingMinimised = nullptr;
        return false;
    default:
        return false;
    }
}

} // namespace framework
