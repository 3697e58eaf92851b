// Starting minimised. A window asked to minimise before it was ever shown (the dialog's
// OnInitDialog) starts as a taskbar button. Windows' dialog manager leaves it so. Wine's shows
// the dialog normally the first time its message queue goes empty, which restores it; the
// window manager has by then iconified it, and now maps it Normal. So while the start is
// pending, a restore that the user did not ask for (no WM_SYSCOMMAND came first) is undone
// once, by a minimise posted to the window: on Windows that restore never comes, and the
// first WM_SYSCOMMAND (the taskbar's restore, the system menu) or any other ShowWindow ends
// the watch.
#pragma once

#include "framework/win_types.h"

namespace framework {

// Watches `window` (null: nothing) for the restore described above.
void KeepMinimisedAtStart(HWND window);
// Called by the framework's window procedure with every message of a bound window, first.
void WatchStartState(HWND window, UINT message);

} // namespace framework
