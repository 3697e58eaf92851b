// The rows on their way to the page (see list_rows.h).
#include "framework/web/private/list_rows.h"

#include <cstring>
#include <map>
#include <string>

#include "framework/web/private/handles.h"
#include "framework/web/private/page_bridge.h"

namespace framework {
namespace {

struct PendingRows {
    int count = 0;         // every row, as the program sees the list
    bool reset = false;    // the page's rows are to be cleared before `texts` are added
    int pendingCount = 0;  // rows in `texts`
    std::string texts;     // each row's text and its NUL
};

std::map<HWND, PendingRows>& Lists() {
    static std::map<HWND, PendingRows> lists;
    return lists;
}

// The list's entry; its count starts from the page's. Null for a handle the page has no
// list box for.
PendingRows* Rows(HWND list) {
    auto found = Lists().find(list);
    if (found != Lists().end())
        return &found->second;
    const int count = page::ListCount(list);
    if (count < 0)
        return nullptr;
    PendingRows& rows = Lists()[list];
    rows.count = count;
    return &rows;
}

} // namespace

void ResetListRows(HWND list) {
    if (PendingRows* rows = Rows(list)) {
        rows->count = 0;
        rows->reset = true;
        rows->pendingCount = 0;
        rows->texts.clear();
    }
}

int AddListRow(HWND list, const char* text) {
    PendingRows* rows = Rows(list);
    if (!rows)
        return -1;
    rows->texts.append(text, std::strlen(text) + 1);
    ++rows->pendingCount;
    return rows->count++;
}

int ListRowCount(HWND list) {
    const PendingRows* rows = Rows(list);
    return rows ? rows->count : -1;
}

bool ListRowText(HWND list, int index, CString& text) {
    HandOverListRows();
    return page::ListText(list, index, text);
}

void HandOverListRows() {
    std::erase_if(Lists(), [](auto& entry) {
        const HWND list = entry.first;
        PendingRows& rows = entry.second;
        if (!FindWindowRecord(list))
            return true; // its dialog is gone, and the page's list with it
        if (rows.reset || rows.pendingCount) {
            page::ListTakeRows(list, rows.reset, rows.texts.data(), rows.texts.size(),
                               rows.pendingCount);
            rows.reset = false;
            rows.pendingCount = 0;
            rows.texts.clear();
        }
        return false;
    });
}

} // namespace framework
