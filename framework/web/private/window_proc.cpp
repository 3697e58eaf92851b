// The default window procedures (see window_proc.h).
#include "framework/web/private/window_proc.h"

#include <cstring>

#include "framework/private/paste_text.h"
#include "framework/web/private/handles.h"
#include "framework/web/private/list_rows.h"
#include "framework/web/private/page_bridge.h"
#include "framework/winapi/win_messages.h"
#include "framework/winapi/win_styles.h"

namespace framework {
namespace {

LRESULT DialogProc(WindowRecord& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETICON)
        return 0; // WM_ICONERASEBKGND: a page is never minimised, so there is nothing to erase
    // The page's icon is the program's own, named by the page; the dialog keeps the handles.
    LPARAM& slot = wParam == ICON_BIG ? dialog.bigIcon : dialog.smallIcon;
    const LPARAM previous = slot;
    slot = lParam;
    return previous;
}

// WM_PASTE: the clipboard's text as one line replaces the selection; a read-only box takes
// nothing, and is not worth asking the browser (which may ask the player) for the clipboard.
void Paste(const WindowRecord& edit, HWND handle) {
    if (edit.style & ES_READONLY)
        return;
    HandOverListRows(); // the page runs while the browser answers
    const std::string line = PastedLine(page::ReadClipboard());
    if (!line.empty())
        page::ReplaceSelection(handle, line);
}

LRESULT EditProc(const WindowRecord& record, HWND edit, UINT message, WPARAM wParam,
                 LPARAM lParam) {
    switch (message) {
    case WM_PASTE:
        Paste(record, edit);
        return 0;
    case WM_COPY:
        HandOverListRows();
        page::Copy(edit);
        return 0;
    case EM_SETSEL:
        page::SetSelection(edit, static_cast<int>(static_cast<LPARAM>(wParam)),
                           static_cast<int>(lParam));
        return 0;
    case EM_SCROLLCARET:
        page::ScrollCaret(edit);
        return TRUE;
    default:
        return 0;
    }
}

LRESULT ListBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_RESETCONTENT:
        ResetListRows(list);
        return 0;
    case LB_ADDSTRING: {
        const char* text = reinterpret_cast<const char*>(lParam);
        return text ? AddListRow(list, text) : LB_ERR;
    }
    case LB_GETCOUNT:
        return ListRowCount(list);
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
        CString text;
        if (!ListRowText(list, static_cast<int>(wParam), text))
            return LB_ERR;
        if (message == LB_GETTEXT) {
            char* buffer = reinterpret_cast<char*>(lParam);
            if (!buffer)
                return LB_ERR;
            std::memcpy(buffer, static_cast<const char*>(text),
                        static_cast<std::size_t>(text.GetLength()) + 1);
        }
        return text.GetLength();
    }
    default:
        return 0; // WM_SETREDRAW: the page draws the list once, before the program waits
    }
}

} // namespace

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = FindWindowRecord(window);
    if (!record)
        return FailureResult(message);
    switch (record->kind) {
    case WindowKind::Dialog:
        return DialogProc(*record, message, wParam, lParam);
    case WindowKind::Edit:
        return EditProc(*record, window, message, wParam, lParam);
    case WindowKind::ListBox:
        return ListBoxProc(window, message, wParam, lParam);
    default:
        return FailureResult(message);
    }
}

} // namespace framework
