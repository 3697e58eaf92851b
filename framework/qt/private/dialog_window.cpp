// Window state of the dialog: minimised start, minimised painting, focus (see
// dialog_window.h).
#include "framework/qt/private/dialog_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

namespace framework {

DialogWindow::DialogWindow(QWidget* parent) : QDialog(parent) {}

void DialogWindow::SetControls(const QList<QWidget*>& controls) {
    m_controls.clear();
    for (QWidget* control : controls)
        m_controls.append(control);
}

// Before the first show, most platforms take the state as the window's initial state. Under
// an X window manager that is not enough: openbox maps such a window Normal, or, when it
// honours the initial Iconic hint, gives no sign of it, so a later restore could not be told
// from a refusal. So on X the window is shown normally (its controls already hidden) and
// minimised as soon as it is exposed: exposure means the manager has mapped, and so manages,
// the window, and a minimise request is then carried out (WM_STATE Iconic).
void DialogWindow::RequestMinimised() {
    if (isVisible()) {
        showMinimized();
    } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_minimiseWhenExposed = true;
        SetControlsShown(false);
    } else {
        setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
    }
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
        // After the exposure has been handled, not inside it.
        QMetaObject::invokeMethod(
            this, [this] { showMinimized(); }, Qt::QueuedConnection);
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
