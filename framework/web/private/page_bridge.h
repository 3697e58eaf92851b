// The calls from C++ into the page (page.js): the elements behind window handles, the
// modal loop's wait, the clipboard and the list box's rows.
//
// Handles are the framework's numbers (handles.h); the page keeps the element of each. Texts
// go both ways as UTF-8, the framework's narrow encoding on the web. A handle the page does
// not know does nothing and reads as empty. Not for application code.
#pragma once

#include <cstddef>
#include <string>

#include "framework/cstring.h"
#include "framework/winapi/win_types.h"

namespace framework::page {

// What the dialog's base units are made of, measured on the page in CSS pixels.
struct FontMeasures {
    int alphabetWidth; // "A".."Z" "a".."z" together
    int height;
};

FontMeasures CreateDialog(HWND dialog, const char* caption, const char* face, int pointSize,
                       int weight, bool italic);
void SetDialogSize(HWND dialog, int width, int height);
// kind: "button", "default", "group", "edit", "listbox" or "static"; markup: its element
// (dialog_markup.h), used where the page holds none already; positions in pixels.
void CreateControl(HWND dialog, HWND control, const char* kind, const std::string& markup, int x,
                   int y, int width, int height);
void FocusFirstTabStop(HWND dialog);
void DestroyDialog(HWND dialog);

// Draws what changed, then waits for the next click of a button of the page (Enter clicks
// the default button) and returns its handle. The program's only wait.
HWND NextClick();

CString Text(HWND control);
void SetText(HWND control, const char* text);

// The clipboard's text, in UTF-8 (NUL bytes kept), once the browser has answered; empty when
// it refuses.
std::string ReadClipboard();

// Edit boxes. `text` replaces the selection at the caret (capitals in an upper-case box);
// Copy returns once the browser's clipboard has answered.
void ReplaceSelection(HWND edit, const std::string& text);
void Copy(HWND edit);
void SetSelection(HWND edit, int start, int end);
void ScrollCaret(HWND edit);

// List boxes: -1 (LB_ERR) for a handle that is not one. The rows come in blocks
// (list_rows.h): `count` NUL-terminated texts in `size` bytes, after clearing the list
// when `reset`.
void ListTakeRows(HWND list, bool reset, const char* texts, std::size_t size, int count);
int ListCount(HWND list);
// The row's text, or false when there is no such row.
bool ListText(HWND list, int index, CString& text);

// Fetches "dictionary.txt" of the page's folder into the program's working folder, where
// the word list is read from; with none there, nothing is written.
void FetchWordList();
// Starts the page again: the program ended, and a page should never be left dead.
void Restart();

} // namespace framework::page
