// The handle table (see handles.h).
#include "framework/web/private/handles.h"

#include <map>

#include "framework/wnd.h"

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

void ForgetDialog(HWND dialog) {
    std::erase_if(Windows(), [dialog](const auto& entry) {
        const WindowRecord& record = entry.second;
        if (record.dialog != dialog)
            return false;
        if (record.object)
            record.object->m_hWnd = nullptr;
        return true;
    });
}

void AttachWindowObject(HWND window, CWnd* object) {
    WindowRecord* record = FindWindowRecord(window);
    if (!record || !object || record->object || object->m_hWnd)
        return;
    record->object = object;
    object->m_hWnd = window;
}

void DetachWindowObject(const CWnd* object) {
    for (auto& [handle, record] : Windows()) {
        if (record.object == object)
            record.object = nullptr;
    }
}

CWnd* WindowObjectFromHwnd(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record ? record->object : nullptr;
}

} // namespace framework
