// A list box's rows on their way to the page.
//
// A Solve adds its rows one LB_ADDSTRING at a time, thousands of them; a call into the
// page's JavaScript for each would cost more than the search that found them. The rows
// added are kept here instead, in the program's memory as one block of NUL-terminated
// texts per list, and the page takes each list's block in one call (HandOverListRows)
// whenever it may next run: before the modal loop waits and before a clipboard call, which
// lets the page run while the browser answers. Counts are known here, so LB_ADDSTRING
// answers its index at once. Single-threaded, like the page. Not for application code.
#pragma once

#include "framework/cstring.h"
#include "framework/winapi/win_types.h"

namespace framework {

void ResetListRows(HWND list);
// The new row's index, or -1 (LB_ERR) when the page has no list box for `list`.
int AddListRow(HWND list, const char* text);
int ListRowCount(HWND list);
// The row's text, or false when there is no such row.
bool ListRowText(HWND list, int index, CString& text);

// Gives the page every list's rows added or reset since the last hand-over.
void HandOverListRows();

} // namespace framework
