// The bridge from the toolkit to the message map: toolkit signals and events become window
// messages sent to the dialog, which routes them through its map like the original system.
//
//   button clicked            -> WM_COMMAND (BN_CLICKED, control id) to the dialog
//   dialog paint event        -> WM_PAINT to the dialog (DialogWindow::paintEvent)
//   Escape, the close box     -> WM_COMMAND (IDCANCEL) to the dialog (DialogWindow::reject)
//   Enter with no default     -> WM_COMMAND (IDOK) to the dialog (DialogWindow::accept)
//
// It only translates; what a message does is the dialog's and the map's affair.
#pragma once

class QAbstractButton;

namespace framework {

// Sends WM_COMMAND with BN_CLICKED and `id` to the button's dialog on every click.
void ConnectButtonClicks(QAbstractButton* button, int id);

} // namespace framework
