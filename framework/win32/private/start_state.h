// Starting minimised. A window asked to minimise before it was ever shown (the dialog's
// OnInitDialog) is made visible minimised before the dialog manager would show it, so it
// starts as a taskbar button. That is the whole start on Windows.
//
// Under Wine the dialog manager shows the dialog normally all the same, the first time its
// message queue goes empty: a restore from this thread, outside any message. So under Wine,
// while the start is pending, that one restore is refused (WM_QUERYOPEN answered FALSE) and the
// window stays minimised, in Win32 and on the X desktop alike. The watch ends at the first
// restore of any kind (refused only if it is that one), at the first WM_SYSCOMMAND, at any other
// ShowWindow and with the window; a restore from another program, or from the user, is never
// refused. A window whose start restore was refused gets its focus back on the first tab stop
// when it is restored.
#pragma once

#include "framework/win_types.h"

namespace framework {

// Watches `window` (null: nothing) for the restore described above.
void KeepMinimisedAtStart(HWND window);
// Called by the framework's window procedure with every message of a bound window, first.
// True when the message is the dialog manager's restore to refuse: the procedure then
// answers 0 (FALSE) without handling it.
bool RefuseRestoreAtStart(HWND window, UINT message);

} // namespace framework
