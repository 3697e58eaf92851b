// The table of bound windows (see window_map.h).
#include "framework/win32/private/window_map.h"

#include <algorithm>
#include <vector>

#include "framework/wnd.h"

namespace framework {
namespace {

struct Binding {
    HWND window;
    CWnd* object; // null once the object has gone before its window
    WNDPROC previous;
};

std::vector<Binding>& Bindings() {
    static std::vector<Binding> bindings;
    return bindings;
}

Binding* Find(HWND window) {
    auto& bindings = Bindings();
    auto found = std::find_if(bindings.begin(), bindings.end(),
                              [window](const Binding& b) { return b.window == window; });
    return found == bindings.end() ? nullptr : &*found;
}

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Binding* binding = Find(window);
    if (!binding)
        return ::DefWindowProcA(window, message, wParam, lParam);
    CWnd* object = binding->object;
    const WNDPROC previous = binding->previous;
    if (message == WM_NCDESTROY || !object) {
        if (message == WM_NCDESTROY) {
            // The window's last message: the binding ends with it.
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            if (object)
                object->m_hWnd = nullptr;
            std::erase_if(Bindings(), [window](const Binding& b) { return b.window == window; });
        }
        return ::CallWindowProcA(previous, window, message, wParam, lParam);
    }
    return object->WindowProc(message, wParam, lParam);
}

} // namespace

BOOL BindWindowObject(HWND window, CWnd* object) {
    if (!window || !object || object->m_hWnd || Find(window) || !::IsWindow(window))
        return FALSE;
    const auto previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
    if (!previous)
        return FALSE;
    Bindings().push_back({window, object, previous});
    object->m_hWnd = window;
    return TRUE;
}

void DetachWindowObject(const CWnd* object) {
    auto& bindings = Bindings();
    for (auto it = bindings.begin(); it != bindings.end(); ++it) {
        if (it->object != object)
            continue;
        // Put the old procedure back unless someone has since put theirs over ours; then the
        // binding stays, without its object, and keeps passing messages on.
        const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(it->window, GWLP_WNDPROC));
        if (current == &FrameworkWindowProc) {
            ::SetWindowLongPtrA(it->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->previous));
            bindings.erase(it);
        } else {
            it->object = nullptr;
        }
        return;
    }
}

CWnd* WindowObjectFromHwnd(HWND window) {
    const Binding* binding = Find(window);
    return binding ? binding->object : nullptr;
}

LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const Binding* binding = Find(window))
        return ::CallWindowProcA(binding->previous, window, message, wParam, lParam);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace framework
