// The framework's edit boxes (see edit_box.h): a subclass of the system's edit box.
#include "framework/win32/private/edit_box.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "framework/private/paste_text.h"

namespace framework {
namespace {

// Each prepared box and the procedure it had before; a box leaves when it is destroyed.
std::vector<std::pair<HWND, WNDPROC>>& PreparedBoxes() {
    static std::vector<std::pair<HWND, WNDPROC>> boxes;
    return boxes;
}

WNDPROC PreviousProc(HWND edit) {
    for (const auto& [box, previous] : PreparedBoxes()) {
        if (box == edit)
            return previous;
    }
    return &::DefWindowProcA;
}

// The clipboard's text (CF_TEXT, up to its NUL), or empty.
std::string ClipboardText(HWND owner) {
    std::string text;
    if (!::OpenClipboard(owner))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(::GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, ::GlobalSize(data)));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

void Paste(HWND edit) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(edit, GWL_STYLE));
    if (style & ES_READONLY)
        return;
    std::string line = PastedLine(ClipboardText(edit));
    if (line.empty())
        return;
    if (style & ES_UPPERCASE)
        ::CharUpperBuffA(line.data(), static_cast<DWORD>(line.size()));
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
}

bool HasSelection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return start != end;
}

LRESULT CALLBACK EditBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProc(edit);
    switch (message) {
    case WM_PASTE:
        Paste(edit);
        return 0;
    case WM_COPY:
        if (!HasSelection(edit))
            return 0;
        break;
    case WM_NCDESTROY:
        ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        std::erase_if(PreparedBoxes(), [edit](const auto& entry) { return entry.first == edit; });
        break;
    default:
        break;
    }
    return ::CallWindowProcA(previous, edit, message, wParam, lParam);
}

BOOL CALLBACK PrepareIfEditBox(HWND control, LPARAM) {
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(control, GWL_STYLE));
    if (::lstrcmpiA(className, "Edit") != 0 || (style & ES_MULTILINE))
        return TRUE;
    ::SendMessageA(control, EM_SETLIMITTEXT, 0, 0); // 0: as long as the system allows
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditBoxProc)));
    if (previous)
        PreparedBoxes().emplace_back(control, previous);
    return TRUE;
}

} // namespace

void PrepareEditBoxes(HWND dialog) {
    ::EnumChildWindows(dialog, &PrepareIfEditBox, 0);
}

} // namespace framework
