// The calls into the page (see page_bridge.h), each a thin EM_JS or EM_ASYNC_JS function
// over VelmoraPage (page.js). The async ones suspend the program through Asyncify until the
// browser's promise settles.
#include "framework/web/private/page_bridge.h"

#include <emscripten.h>

#include <vector>

// Newer Emscripten (Debian 13's) links a runtime helper into the JavaScript only when asked
// to; 3.1.6 (Debian 12's) has them all and no EM_JS_DEPS.
#ifdef EM_JS_DEPS
EM_JS_DEPS(velmora_page, "$UTF8ToString,$stringToUTF8,$lengthBytesUTF8,$FS");
#endif

namespace {

// clang-format off
EM_JS(int, js_create_dialog, (int dialog, const char* caption, const char* face, int pointSize,
                              int weight, int italic), {
    return VelmoraPage.createDialog(dialog, UTF8ToString(caption), UTF8ToString(face), pointSize,
                                    weight, !!italic);
});
EM_JS(void, js_set_dialog_size, (int dialog, int width, int height), {
    VelmoraPage.setDialogSize(dialog, width, height);
});
EM_JS(void, js_create_control, (int dialog, int control, const char* kind, const char* markup,
                                int x, int y, int width, int height), {
    VelmoraPage.createControl(dialog, control, UTF8ToString(kind), UTF8ToString(markup), x, y,
                              width, height);
});
EM_JS(void, js_focus_first_tab_stop, (int dialog), { VelmoraPage.focusFirstTabStop(dialog); });
EM_JS(void, js_destroy_dialog, (int dialog), { VelmoraPage.destroyDialog(dialog); });
EM_ASYNC_JS(int, js_next_click, (), { return await VelmoraPage.nextClick(); });

// Texts come back in two steps: the length in bytes, then the bytes into the caller's buffer.
EM_JS(int, js_text_length, (int control), {
    return lengthBytesUTF8(VelmoraPage.text(control));
});
EM_JS(void, js_copy_text, (int control, char* buffer, int size), {
    stringToUTF8(VelmoraPage.text(control), buffer, size);
});
EM_JS(void, js_set_text, (int control, const char* text), {
    VelmoraPage.setText(control, UTF8ToString(text));
});
EM_ASYNC_JS(int, js_read_clipboard, (), { return await VelmoraPage.readClipboard() ? 1 : 0; });
EM_JS(int, js_clipboard_text_length, (), {
    return lengthBytesUTF8(VelmoraPage.clipboardText());
});
EM_JS(void, js_copy_clipboard_text, (char* buffer, int size), {
    stringToUTF8(VelmoraPage.clipboardText(), buffer, size);
});
EM_JS(void, js_replace_selection, (int edit, const char* text, int size), {
    VelmoraPage.replaceSelection(edit, UTF8ToString(text, size));
});
EM_ASYNC_JS(void, js_copy, (int edit), { await VelmoraPage.copy(edit); });
EM_JS(void, js_set_selection, (int edit, int start, int end), {
    VelmoraPage.setSelection(edit, start, end);
});
EM_JS(void, js_scroll_caret, (int edit), { VelmoraPage.scrollCaret(edit); });

// A block of rows at once: their NUL-terminated texts, decoded in one call.
EM_JS(void, js_list_take_rows, (int list, int reset, const char* texts, int size, int count), {
    VelmoraPage.listTakeRows(list, !!reset, HEAPU8.subarray(texts, texts + size), count);
});
EM_JS(int, js_list_count, (int list), { return VelmoraPage.listCount(list); });
EM_JS(int, js_list_text_length, (int list, int index), {
    const text = VelmoraPage.listText(list, index);
    return text === undefined ? -1 : lengthBytesUTF8(text);
});
EM_JS(void, js_list_copy_text, (int list, int index, char* buffer, int size), {
    stringToUTF8(VelmoraPage.listText(list, index), buffer, size);
});

// The list is the page's own "dictionary.txt", read as it arrives; a missing one (or none
// reachable) leaves the working folder without it, so the program starts with an empty list.
EM_ASYNC_JS(void, js_fetch_word_list, (), {
    await VelmoraProgramFiles.mountWordList('dictionary.txt');
});
EM_JS(void, js_restart, (), { location.reload(); });
// clang-format on

int Number(HWND handle) {
    return static_cast<int>(reinterpret_cast<ULONG_PTR>(handle));
}

// A text of `length` bytes, copied by `copy(buffer, size)`; NUL bytes inside it are kept.
std::string CopiedBytes(int length, auto copy) {
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    copy(buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

CString CopiedText(int length, auto copy) {
    return CString(CopiedBytes(length, copy).c_str());
}

} // namespace

namespace framework::page {

FontMeasures CreateDialog(HWND dialog, const char* caption, const char* face, int pointSize,
                          int weight, bool italic) {
    const int measures = js_create_dialog(Number(dialog), caption ? caption : "", face ? face : "",
                                       pointSize, weight, italic ? 1 : 0);
    return {measures & 0xFFFF, measures >> 16};
}

void SetDialogSize(HWND dialog, int width, int height) {
    js_set_dialog_size(Number(dialog), width, height);
}

void CreateControl(HWND dialog, HWND control, const char* kind, const std::string& markup, int x,
                   int y, int width, int height) {
    js_create_control(Number(dialog), Number(control), kind, markup.c_str(), x, y, width, height);
}

void FocusFirstTabStop(HWND dialog) {
    js_focus_first_tab_stop(Number(dialog));
}

void DestroyDialog(HWND dialog) {
    js_destroy_dialog(Number(dialog));
}

HWND NextClick() {
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(js_next_click()));
}

CString Text(HWND control) {
    const int handle = Number(control);
    return CopiedText(js_text_length(handle),
                      [handle](char* buffer, int size) { js_copy_text(handle, buffer, size); });
}

void SetText(HWND control, const char* text) {
    js_set_text(Number(control), text ? text : "");
}

std::string ReadClipboard() {
    if (!js_read_clipboard())
        return std::string();
    return CopiedBytes(js_clipboard_text_length(),
                       [](char* buffer, int size) { js_copy_clipboard_text(buffer, size); });
}

void ReplaceSelection(HWND edit, const std::string& text) {
    js_replace_selection(Number(edit), text.data(), static_cast<int>(text.size()));
}

void Copy(HWND edit) {
    js_copy(Number(edit));
}

void SetSelection(HWND edit, int start, int end) {
    js_set_selection(Number(edit), start, end);
}

void ScrollCaret(HWND edit) {
    js_scroll_caret(Number(edit));
}

void ListTakeRows(HWND list, bool reset, const char* texts, std::size_t size, int count) {
    js_list_take_rows(Number(list), reset ? 1 : 0, texts, static_cast<int>(size), count);
}

int ListCount(HWND list) {
    return js_list_count(Number(list));
}

bool ListText(HWND list, int index, CString& text) {
    const int handle = Number(list);
    const int length = js_list_text_length(handle, index);
    if (length < 0)
        return false;
    text = CopiedText(length, [handle, index](char* buffer, int size) {
        js_list_copy_text(handle, index, buffer, size);
    });
    return true;
}

void FetchWordList() {
    js_fetch_word_list();
}

void Restart() {
    js_restart();
}

} // namespace framework::page
