// Choosing the default procedure by the kind of window (see window_proc.h).
#include "framework/qt/private/window_proc.h"

#include <QLineEdit>
#include <QListWidget>

#include "framework/qt/private/handles.h"
#include "framework/winapi/win_messages.h"

namespace framework {

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    QWidget* widget = WidgetFromHwnd(window);
    if (!widget)
        return FailureResult(message);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return EditProc(edit, message, wParam, lParam);
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return ListBoxProc(list, message, wParam, lParam);
    if (widget->isWindow())
        return DialogProc(widget, message, wParam, lParam);
    return FailureResult(message);
}

} // namespace framework
