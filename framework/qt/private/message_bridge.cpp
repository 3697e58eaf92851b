// Toolkit signals and events as window messages (see message_bridge.h).
#include "framework/qt/private/message_bridge.h"

#include <QAbstractButton>

#include "framework/qt/private/dialog_window.h"
#include "framework/qt/private/handles.h"
#include "framework/winapi/win_api.h"
#include "framework/winapi/win_messages.h"

namespace framework {
namespace {

void SendCommand(QWidget* dialog, int id, WORD code, QWidget* control) {
    ::SendMessageA(HwndFromWidget(dialog), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code),
                   reinterpret_cast<LPARAM>(HwndFromWidget(control)));
}

} // namespace

void ConnectButtonClicks(QAbstractButton* button, int id) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, id] { SendCommand(button->window(), id, BN_CLICKED, button); });
}

void DialogWindow::paintEvent(QPaintEvent*) {
    m_painting = true;
    ::SendMessageA(HwndFromWidget(this), WM_PAINT, 0, 0);
    m_painting = false;
}

void DialogWindow::reject() {
    SendCommand(this, IDCANCEL, 0, nullptr);
}

void DialogWindow::accept() {
    SendCommand(this, IDOK, 0, nullptr);
}

} // namespace framework
