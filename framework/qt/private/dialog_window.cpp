// Window state of the dialog: minimised start, minimised painting, focus (see
// dialog_window.h).
#include "framework/qt/private/dialog_window.h"

#include <QEvent>
#include <QGuiApplication>

#include "framework/qt/private/x11_window_manager.h"

namespace framework {

namespace {

bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

DialogWindow::DialogWindow(QWidget* parent) : QDialog(parent) {}

void DialogWindow::SetControls(const QList<QWidget*>& controls) {
    m_controls.clear();
    for (QWidget* control : controls)
        m_controls.append(control);
}

// On X the window state is left to what the window manager reports, never assumed. A
// minimise is a request the manager may carry out (openbox: it keeps or makes the window
// unmapped and sets WM_STATE Iconic, which Qt turns into a WindowStateChange to minimised),
// refuse or ignore (Weston's XWayland, tiling managers), or that nobody receives (no window
// manager at all: the X server maps the window whatever it asked). Only the report hides the
// controls, so in every case where the window is in fact shown normal it is a normal,
// painted, working window; there is nothing to wait for and no time after which a request is
// taken to be ignored.
//
// Before the first show the request is the initial Iconic state of the window's hints, so a
// manager that honours it never maps the normal window; once shown, it is WM_CHANGE_STATE.
//
// Other platforms keep Qt's own handling: offscreen carries the state out at once, and
// Wayland asks set_minimized and reports the state the compositor configures (Weston: normal).
void DialogWindow::RequestMinimised() {
    if (OnX11()) {
        if (isMinimized())
            return;
        if (!isVisible()) {
            winId(); // the native window, whose hints must be set before it is first mapped
            if (x11::AskToStartIconic(windowHandle()))
                return;
        } else if (x11::AskToIconify(windowHandle())) {
            return;
        }
    }
    if (isVisible())
        showMinimized();
    else
        setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void DialogWindow::FocusFirstTabStop() {
    for (const QPointer<QWidget>& control : m_controls) {
        if (control && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            m_focusAfterRestore = control;
            if (m_hiddenWhileMinimised.isEmpty())
                control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The state here is the one the window system reports (on X and Wayland) or carries out at
// once (offscreen); see RequestMinimised.
void DialogWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        SetControlsShown(!isMinimized());
}

// While minimised only the dialog itself paints (its icon), so its controls are hidden; on
// restore they come back and the control that had the focus gets it again.
void DialogWindow::SetControlsShown(bool shown) {
    if (!shown) {
        if (QWidget* focused = focusWidget(); focused && m_controls.contains(focused))
            m_focusAfterRestore = focused;
        for (const QPointer<QWidget>& control : m_controls) {
            if (control && control->isVisibleTo(this)) {
                m_hiddenWhileMinimised.append(control);
                control->hide();
            }
        }
        return;
    }
    if (m_hiddenWhileMinimised.isEmpty())
        return;
    for (const QPointer<QWidget>& control : std::as_const(m_hiddenWhileMinimised)) {
        if (control)
            control->show();
    }
    m_hiddenWhileMinimised.clear();
    if (m_focusAfterRestore)
        m_focusAfterRestore->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace framework
