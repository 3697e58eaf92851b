// Window state of the dialog: minimised start, minimised painting, focus (see
// dialog_window.h).
#include "framework/qt/private/dialog_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#if VELMORA_HAVE_XCB
#include <cstdlib>

#include <xcb/xcb.h>
#endif

namespace framework {

namespace {

bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

#if VELMORA_HAVE_XCB
// Asks the X window manager to iconify WINDOW (ICCCM 4.1.4: a WM_CHANGE_STATE client message
// to the root, for a window in the Normal state). Unlike QWidget::showMinimized(), this leaves
// Qt's idea of the state alone: Qt reports the window minimised only when the manager has
// really iconified it (WM_STATE Iconic, _NET_WM_STATE_HIDDEN).
bool AskWindowManagerToIconify(QWindow* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window)
        return false;
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());

    static constexpr char kName[] = "WM_CHANGE_STATE";
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, sizeof kName - 1, kName);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!atom)
        return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = atom->atom;
    message.data.data32[0] = 3; // IconicState
    free(atom);

    // The root of the window's own screen.
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
    if (!tree)
        return false;
    const xcb_window_t root = tree->root;
    free(tree);
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}
#else
bool AskWindowManagerToIconify(QWindow*) {
    return false;
}
#endif

} // namespace

DialogWindow::DialogWindow(QWidget* parent) : QDialog(parent) {}

void DialogWindow::SetControls(const QList<QWidget*>& controls) {
    m_controls.clear();
    for (QWidget* control : controls)
        m_controls.append(control);
}

// On X the window state is left to what the window manager reports, never assumed. A
// minimise is a request (WM_CHANGE_STATE) that the manager may carry out (openbox: it unmaps
// the window and sets WM_STATE Iconic, which Qt turns into a WindowStateChange to minimised),
// refuse or ignore (Weston's XWayland, tiling managers), or that nobody receives (no window
// manager at all). Only the report hides the controls, so in every case where the window is
// in fact shown normal it is a normal, painted, working window; there is nothing to wait for
// and no time after which a request is taken to be ignored.
//
// Before the first show the request waits for the first exposure: ICCCM lets a client ask
// for iconification only of a mapped (Normal) window, and exposure means it is mapped, under
// a manager after the manager has taken it in. The initial Iconic hint is not used: openbox
// either maps such a window Normal or honours the hint without a sign Qt reports.
//
// Other platforms keep Qt's own handling: offscreen carries the state out at once, and
// Wayland asks set_minimized and reports the state the compositor configures (Weston: normal).
void DialogWindow::RequestMinimised() {
    if (!OnX11()) {
        if (isVisible())
            showMinimized();
        else
            setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
        return;
    }
    if (isMinimized())
        return;
    if (QWindow* window = windowHandle(); window && window->isExposed()) {
        if (!AskWindowManagerToIconify(window))
            showMinimized();
        return;
    }
    m_minimiseWhenExposed = true;
    if (isVisible() && windowHandle())
        windowHandle()->installEventFilter(this);
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_minimiseWhenExposed && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_minimiseWhenExposed && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        m_minimiseWhenExposed = false;
        windowHandle()->removeEventFilter(this);
        // After the exposure has been handled (the window has painted), not inside it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (QWindow* window = windowHandle(); window && window->isExposed())
                    RequestMinimised();
            },
            Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
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
