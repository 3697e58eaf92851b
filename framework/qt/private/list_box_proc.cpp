// The list box's procedure: an unsorted list of strings (see window_proc.h).
#include <QListWidget>
#include <cstring>

#include "framework/qt/private/convert.h"
#include "framework/qt/private/window_proc.h"
#include "framework/winapi/win_messages.h"

namespace framework {
namespace {

QListWidgetItem* ItemAt(QListWidget* list, WPARAM index) {
    return index < static_cast<WPARAM>(list->count()) ? list->item(static_cast<int>(index))
                                                      : nullptr;
}

LRESULT AddString(QListWidget* list, LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    if (!text)
        return LB_ERR;
    // No sorting, so the new row goes last; uniform item sizes keep this cheap for
    // thousands of rows in a row.
    list->addItem(ToQString(text));
    return list->count() - 1;
}

// LB_GETTEXT: copies the row's bytes and a NUL into the caller's buffer, which the caller
// sized with LB_GETTEXTLEN.
LRESULT CopyText(QListWidget* list, WPARAM index, LPARAM lParam) {
    QListWidgetItem* item = ItemAt(list, index);
    char* buffer = reinterpret_cast<char*>(lParam);
    if (!item || !buffer)
        return LB_ERR;
    const CString bytes = ToCString(item->text());
    std::memcpy(buffer, static_cast<const char*>(bytes),
                static_cast<std::size_t>(bytes.GetLength()) + 1);
    return bytes.GetLength();
}

} // namespace

LRESULT ListBoxProc(QListWidget* list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETREDRAW:
        // Off while a long fill runs, so the rows are laid out and painted once at the end.
        list->setUpdatesEnabled(wParam != 0);
        return 0;
    case LB_RESETCONTENT:
        list->clear();
        return 0;
    case LB_ADDSTRING:
        return AddString(list, lParam);
    case LB_GETCOUNT:
        return list->count();
    case LB_GETTEXTLEN: {
        QListWidgetItem* item = ItemAt(list, wParam);
        return item ? ToCString(item->text()).GetLength() : LB_ERR;
    }
    case LB_GETTEXT:
        return CopyText(list, wParam, lParam);
    default:
        return 0;
    }
}

} // namespace framework
