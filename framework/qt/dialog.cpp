// Modal dialogs from templates (see dialog.h).
#include "framework/dialog.h"

#include <QApplication>

#include "framework/qt/private/control_lookup.h"
#include "framework/qt/private/dialog_builder.h"
#include "framework/qt/private/dialog_window.h"
#include "framework/qt/private/handles.h"
#include "framework/resources.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!pDX || !pDX->m_pDlgWnd || control.m_hWnd)
        return;
    QWidget* dialog = framework::WidgetFromHwnd(pDX->m_pDlgWnd->m_hWnd);
    if (QWidget* widget = framework::ControlWidget(dialog, id))
        framework::AttachWindowObject(framework::HwndFromWidget(widget), &control);
}

INT_PTR CDialog::DoModal() {
    const framework::DialogTemplate* dialogTemplate = framework::FindDialogTemplate(m_templateId);
    if (!dialogTemplate || m_hWnd || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return -1;
    QWidget* parent = m_parent ? framework::WidgetFromHwnd(m_parent->m_hWnd) : nullptr;
    std::unique_ptr<framework::DialogWindow> window =
        framework::BuildDialog(*dialogTemplate, parent);
    framework::AttachWindowObject(framework::HwndFromWidget(window.get()), this);

    m_ended = false;
    m_endCode = -1;
    if (OnInitDialog())
        window->FocusFirstTabStop();
    const INT_PTR result = m_ended ? m_endCode : window->exec();

    window.reset(); // destroying the window clears m_hWnd here and in every bound control
    return result;
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_endCode = result;
    if (auto* window = dynamic_cast<framework::DialogWindow*>(framework::WidgetFromHwnd(m_hWnd)))
        window->done(result);
}

void CDialog::MapDialogRect(LPRECT rect) const {
    const auto* window = dynamic_cast<framework::DialogWindow*>(framework::WidgetFromHwnd(m_hWnd));
    if (rect && window)
        framework::MapDialogUnits(*rect, window->BaseUnits());
}
