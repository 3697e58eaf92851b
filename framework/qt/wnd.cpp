// Windows as program objects (see wnd.h).
#include "framework/wnd.h"

#include <QWidget>

#include "framework/qt/private/control_lookup.h"
#include "framework/qt/private/convert.h"
#include "framework/qt/private/dialog_window.h"
#include "framework/qt/private/handles.h"
#include "framework/qt/private/window_proc.h"
#include "framework/winapi/win_api.h"

CWnd::~CWnd() {
    framework::DetachWindowObject(this);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    QWidget* control = framework::ControlWidget(framework::WidgetFromHwnd(m_hWnd), id);
    text = control ? framework::ToCString(framework::ControlText(control)) : CString();
    return text.GetLength();
}

void CWnd::SetDlgItemText(int id, LPCSTR text) {
    if (QWidget* control = framework::ControlWidget(framework::WidgetFromHwnd(m_hWnd), id))
        framework::SetControlText(control, framework::ToQString(text));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::ShowWindow(int command) {
    QWidget* widget = framework::WidgetFromHwnd(m_hWnd);
    if (!widget)
        return FALSE;
    const BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
    auto* dialog = dynamic_cast<framework::DialogWindow*>(widget);
    switch (command) {
    case SW_HIDE:
        widget->hide();
        break;
    case SW_MINIMIZE:
        dialog ? dialog->RequestMinimised() : widget->showMinimized();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        widget->showNormal();
        break;
    default:
        widget->show();
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::Invalidate(BOOL) {
    if (QWidget* widget = framework::WidgetFromHwnd(m_hWnd))
        widget->update();
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return framework::DefaultWindowProc(m_hWnd, message, wParam, lParam);
}

void CWnd::OnPaint() {}
