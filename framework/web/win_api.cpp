// The window-system calls (see win_api.h) on the page.
#include "framework/winapi/win_api.h"

#include "framework/resources.h"
#include "framework/web/private/handles.h"
#include "framework/web/private/window_proc.h"
#include "framework/winapi/win_messages.h"
#include "framework/wnd.h"

namespace {
constexpr int kIconSize = 32; // SM_CXICON and SM_CYICON on the original system at 96 dpi
} // namespace

// A page is never minimised.
BOOL IsIconic(HWND) {
    return FALSE;
}

// A dialog's client area in its own CSS pixels (a control's is empty): the page scales the
// dialog as a whole, which changes nothing the program sees.
BOOL GetClientRect(HWND window, LPRECT rect) {
    if (!rect)
        return FALSE;
    *rect = RECT{};
    const framework::WindowRecord* record = framework::FindWindowRecord(window);
    if (!record)
        return FALSE;
    rect->right = record->width;
    rect->bottom = record->height;
    return TRUE;
}

int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

// Nothing is ever painted by the program on a page (no minimised state to draw).
BOOL DrawIcon(HDC, int, int, HICON) {
    return FALSE;
}

// The icon group's number stands for its handle, so loading it again gives the same one.
HICON LoadIconA(HINSTANCE module, LPCSTR name) {
    if (!module || !IS_INTRESOURCE(name))
        return nullptr;
    const UINT id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    if (framework::FindIconGroup(id).empty())
        return nullptr;
    return reinterpret_cast<HICON>(static_cast<ULONG_PTR>(0x10000 + id));
}

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) {
    // One module holds every resource; any non-null value stands for it.
    static const ULONG_PTR executable = framework::NextHandleValue();
    return reinterpret_cast<HINSTANCE>(executable);
}
