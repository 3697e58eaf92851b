// The handle table (see handles.h).
#include "framework/web/private/handles.h"

#include <map>

#include "framework/emulated/window_objects.h"

namespace framework {
namespace {

std::map<HWND, WindowRecord>& Windows() {
    static std::map<HWND, WindowRecord> windows;
    return windows;
}

} // namespace

ULONG_PTR NextHandleValue() {
    static ULONG_PTR last = 0x100;
    return ++last;
}

HWND RegisterWindow(const WindowRecord& record) {
    const auto handle = reinterpret_cast<HWND>(NextHandleValue());
    WindowRecord& stored = Windows()[handle] = record;
    if (stored.kind == WindowKind::Dialog)
        stored.dialog = handle;
    return handle;
}

WindowRecord* FindWindowRecord(HWND window) {
    auto found = Windows().find(window);
    return found == Windows().end() ? nullptr : &found->second;
}

HWND ControlOf(HWND dialog, int id) {
    if (!dialog)
        return nullptr;
    for (const auto& [handle, record] : Windows()) {
        if (record.dialog == dialog && record.kind != WindowKind::Dialog && record.id == id)
            return handle;
    }
    return nullptr;
}

bool WindowExists(HWND window) {
    return FindWindowRecord(window) != nullptr;
}

void ForgetDialog(HWND dialog) {
    std::erase_if(Windows(), [dialog](const auto& entry) {
        if (entry.second.dialog != dialog)
            return false;
        ForgetWindowObject(entry.first);
        return true;
    });
}

} // namespace framework
