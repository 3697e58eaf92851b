// Under Wine on X, how the keyboard focus reaches a window the window manager restores.
//
// Wine 10.0 refuses the focus the window manager offers (WM_TAKE_FOCUS) while its Win32
// window is still minimised, and it learns of the restore only after that offer, so a window
// restored by a taskbar or by Alt+Tab is shown but never gets the X keyboard focus. When the
// window manager itself sets the focus (Wine's documented UseTakeFocus=N), the restored window
// has it at once, under Wine 8 as under Wine 10.
#pragma once

namespace framework {

// Under Wine, asks for UseTakeFocus=N for this program (its AppDefaults key in the user's
// registry) unless a value is there already, the user's or an earlier start's. Wine reads the
// setting when the process starts, so a start that has just written it runs the program once
// more, in a new process with the same command line, and returns true with that process's exit
// status in `status`. False (go on) on Windows, when the setting was there, or when it could not
// be written.
bool RestartedForWindowManagerFocus(int& status);

} // namespace framework
