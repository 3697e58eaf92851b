// The window-system calls (see win_api.h).
#include "framework/winapi/win_api.h"

#include <QPainter>
#include <QWidget>

#include "framework/qt/private/handles.h"
#include "framework/qt/private/icon_loader.h"
#include "framework/qt/private/window_proc.h"
#include "framework/winapi/win_messages.h"
#include "framework/wnd.h"

namespace {
constexpr int kIconSize = 32; // SM_CXICON and SM_CYICON on the original system at 96 dpi
} // namespace

BOOL IsIconic(HWND window) {
    const QWidget* widget = framework::WidgetFromHwnd(window);
    return widget && widget->isWindow() && widget->isMinimized() ? TRUE : FALSE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    if (!rect)
        return FALSE;
    *rect = RECT{};
    const QWidget* widget = framework::WidgetFromHwnd(window);
    if (!widget)
        return FALSE;
    rect->right = widget->width();
    rect->bottom = widget->height();
    return TRUE;
}

int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    QPainter* painter = framework::PainterFromHdc(dc);
    const QImage image = framework::IconImage(icon, kIconSize);
    if (!painter || image.isNull())
        return FALSE;
    painter->drawImage(QRect(x, y, kIconSize, kIconSize), image);
    return TRUE;
}

HICON LoadIconA(HINSTANCE module, LPCSTR name) {
    if (!module || !IS_INTRESOURCE(name))
        return nullptr; // system icons and icons named by text are not provided
    return framework::LoadIconGroup(LOWORD(reinterpret_cast<ULONG_PTR>(name)));
}

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) {
    // One module holds every resource; any non-null value stands for it.
    static const ULONG_PTR executable = framework::NextHandleValue();
    return reinterpret_cast<HINSTANCE>(executable);
}
