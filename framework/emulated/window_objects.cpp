// The table of bound windows (see window_objects.h).
#include "framework/emulated/window_objects.h"

#include <unordered_map>

#include "framework/wnd.h"

namespace framework {
namespace {

std::unordered_map<HWND, CWnd*>& Bindings() {
    static std::unordered_map<HWND, CWnd*> bindings;
    return bindings;
}

} // namespace

void AttachWindowObject(HWND window, CWnd* object) {
    if (!object || object->m_hWnd || !WindowExists(window) || Bindings().contains(window))
        return;
    Bindings()[window] = object;
    object->m_hWnd = window;
}

void DetachWindowObject(const CWnd* object) {
    std::erase_if(Bindings(), [object](const auto& binding) { return binding.second == object; });
}

CWnd* WindowObjectFromHwnd(HWND window) {
    const auto found = Bindings().find(window);
    return found == Bindings().end() ? nullptr : found->second;
}

void ForgetWindowObject(HWND window) {
    const auto found = Bindings().find(window);
    if (found == Bindings().end())
        return;
    if (found->second->m_hWnd == window)
        found->second->m_hWnd = nullptr;
    Bindings().erase(found);
}

} // namespace framework
