// Starting minimised. A window asked to minimise before it was ever shown (the dialog's
// OnInitDialog) is visible and minimised before the dialog manager would show it, so it
// starts as a taskbar button. Wine's dialog manager shows the dialog normally all the same
// the first time its message queue goes empty, which restores it (the window manager had
// iconified it, and now maps it Normal). So while the start is pending, a restore that the
// user did not ask for (no WM_SYSCOMMAND came first) is undone once, by a minimise posted to
// the window. The first WM_SYSCOMMAND (the taskbar's restore, the system menu) or any other
// ShowWindow ends the watch; where no such restore comes, nothing changes.
#pragma once

#include "framework/win_types.h"

namespace framework {

// Watches `window` (null: nothing) for the restore described above.
void KeepMinimisedAtStart(HWND window);
// Called by the framework's window procedure with every message of a bound window, first.
void WatchStartState(HWND window, UINT message);

} // namespace framework
