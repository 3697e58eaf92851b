// Starting minimised (see start_state.h).
#include "framework/win32/private/start_state.h"

namespace framework {
namespace {
HWND startingMinimised = nullptr; // one dialog at a time starts minimised
} // namespace

void KeepMinimisedAtStart(HWND window) {
    startingMinimised = window;
}

void WatchStartState(HWND window, UINT message) {
    if (window != startingMinimised)
        return;
    switch (message) {
    case WM_SYSCOMMAND:  // the user acts on the window: the start is over
    case WM_NCDESTROY:
        startingMinimised = nullptr;
        break;
    case WM_WINDOWPOSCHANGED:
        if (::IsWindowVisible(window) && !::IsIconic(window)) {
            startingMinimised = nullptr;
            ::PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        }
        break;
    default:
        break;
    }
}

} // namespace framework
