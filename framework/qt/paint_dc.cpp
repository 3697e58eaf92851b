// The paint handler's device context (see paint_dc.h).
#include "framework/paint_dc.h"

#include <QPainter>

#include "framework/qt/private/dialog_window.h"
#include "framework/qt/private/handles.h"
#include "framework/winapi/win_api.h"
#include "framework/wnd.h"

CPaintDC::CPaintDC(CWnd* window) {
    auto* dialog = dynamic_cast<framework::DialogWindow*>(
        framework::WidgetFromHwnd(window ? window->m_hWnd : nullptr));
    // Painting on a widget is only possible while its paint event runs, and one painter at
    // a time.
    if (!dialog || !dialog->IsPainting() || dialog->paintingActive())
        return;
    auto* painter = new QPainter(dialog);
    if (!painter->isActive()) {
        delete painter;
        return;
    }
    m_hDC = framework::RegisterPainter(painter);
}

CPaintDC::~CPaintDC() {
    QPainter* painter = framework::PainterFromHdc(m_hDC);
    framework::ForgetPainter(m_hDC);
    delete painter; // ends the painting
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(m_hDC, x, y, icon);
}
