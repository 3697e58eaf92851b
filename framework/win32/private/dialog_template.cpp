// The in-memory extended dialog template (see dialog_template.h). The layout is the
// system's: a header, then each item starting on a DWORD boundary; texts are UTF-16 and end
// with a 0 word; a class or menu given by number is 0xFFFF followed by the number.
#include "framework/win32/private/dialog_template.h"

#include <cstring>
#include <string_view>
#include <utility>

namespace framework {
namespace {

class TemplateWriter {
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(short value) { Word(static_cast<WORD>(value)); }
    void AlignToDword() {
        if (m_words.size() % 2)
            Word(0);
    }
    // Text in the system's narrow code page, as UTF-16 with its terminating 0.
    void Text(const char* text) {
        const int length = text && *text ? ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 0;
        if (length <= 1) {
            Word(0);
            return;
        }
        std::vector<wchar_t> wide(static_cast<std::size_t>(length));
        ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
        for (wchar_t ch : wide)
            Word(static_cast<WORD>(ch));
    }
    // The predefined control classes by number, any other by name.
    void ClassName(const char* name) {
        static constexpr std::pair<std::string_view, WORD> kAtoms[] = {
            {"button", 0x0080}, {"edit", 0x0081}, {"static", 0x0082}, {"listbox", 0x0083}};
        for (const auto& [known, atom] : kAtoms) {
            if (name && ::lstrcmpiA(name, known.data()) == 0) {
                Word(0xFFFF);
                Word(atom);
                return;
            }
        }
        Text(name);
    }
    std::vector<DWORD> Finish() {
        AlignToDword();
        std::vector<DWORD> dwords(m_words.size() / 2);
        std::memcpy(dwords.data(), m_words.data(), dwords.size() * sizeof(DWORD));
        return dwords;
    }

private:
    std::vector<WORD> m_words;
};

bool HasAccessibleName(const DialogItemTemplate& item) {
    return item.accessibleName && *item.accessibleName;
}

// Windows' accessibility layer (oleacc, and UI Automation's proxies) names an edit box or a
// list box after the static just before it in the window order, a hidden one too, and never
// after a group box: a control with an accessible name gets such a label right before it.
// Hidden and of no size, without id or tab stop, it changes neither what the window shows nor
// where a click or Tab goes; SS_NOPREFIX keeps its text literal and free of mnemonics.
DialogItemTemplate HiddenLabelFor(const DialogItemTemplate& item) {
    return {.className = "static",
            .text = item.accessibleName,
            .id = -1,
            .x = item.x,
            .y = item.y,
            .cx = 0,
            .cy = 0,
            .style = WS_CHILD | SS_LEFT | SS_NOPREFIX,
            .exStyle = 0};
}

std::size_t ItemCount(const DialogTemplate& dialog) {
    std::size_t count = dialog.items.size();
    for (const DialogItemTemplate& item : dialog.items)
        count += HasAccessibleName(item) ? 1 : 0;
    return count;
}

void WriteHeader(TemplateWriter& out, const DialogTemplate& dialog, DWORD style) {
    out.Word(1);      // dlgVer
    out.Word(0xFFFF); // signature: an extended template
    out.Dword(0);     // helpID
    out.Dword(dialog.exStyle);
    out.Dword(style);
    out.Word(static_cast<WORD>(ItemCount(dialog)));
    out.Short(dialog.x);
    out.Short(dialog.y);
    out.Short(dialog.cx);
    out.Short(dialog.cy);
    out.Word(0); // no menu
    out.Word(0); // the system's dialog class
    out.Text(dialog.caption);
    if (style & DS_SETFONT) {
        out.Word(static_cast<WORD>(dialog.pointSize));
        out.Word(static_cast<WORD>(dialog.weight));
        out.Word(static_cast<WORD>((dialog.italic ? 1 : 0) | (DEFAULT_CHARSET << 8)));
        out.Text(dialog.fontFace);
    }
}

void WriteItem(TemplateWriter& out, const DialogItemTemplate& item) {
    out.AlignToDword();
    out.Dword(0); // helpID
    out.Dword(item.exStyle);
    out.Dword(item.style);
    out.Short(item.x);
    out.Short(item.y);
    out.Short(item.cx);
    out.Short(item.cy);
    out.Dword(static_cast<DWORD>(item.id)); // -1 (none) becomes 0xFFFFFFFF, as rc writes it
    out.ClassName(item.className);
    out.Text(item.text);
    out.Word(0); // no creation data
}

} // namespace

std::vector<DWORD> BuildDialogTemplate(const DialogTemplate& dialog) {
    DWORD style = dialog.style;
    if (!dialog.fontFace || !*dialog.fontFace)
        style &= ~static_cast<DWORD>(DS_SETFONT); // no face: the system's dialog font
    TemplateWriter out;
    WriteHeader(out, dialog, style);
    for (const DialogItemTemplate& item : dialog.items) {
        if (HasAccessibleName(item))
            WriteItem(out, HiddenLabelFor(item));
        WriteItem(out, item);
    }
    return out.Finish();
}

} // namespace framework
