// The dialog's page elements from its template (see dialog_builder.h).
#include "framework/web/private/dialog_builder.h"

#include <strings.h>

#include "framework/web/private/handles.h"
#include "framework/web/private/page_bridge.h"
#include "framework/winapi/win_styles.h"

namespace framework {
namespace {

bool IsClass(const DialogItemTemplate& item, const char* name) {
    return item.className && strcasecmp(item.className, name) == 0;
}

WindowKind KindOf(const DialogItemTemplate& item) {
    if (IsClass(item, "button"))
        return (item.style & BS_TYPEMASK) == BS_GROUPBOX ? WindowKind::GroupBox : WindowKind::Button;
    if (IsClass(item, "edit"))
        return WindowKind::Edit;
    if (IsClass(item, "listbox"))
        return WindowKind::ListBox;
    return WindowKind::Static;
}

const char* PageKind(WindowKind kind, DWORD style) {
    switch (kind) {
    case WindowKind::Button:
        return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? "default" : "button";
    case WindowKind::GroupBox:
        return "group";
    case WindowKind::Edit:
        return "edit";
    case WindowKind::ListBox:
        return "listbox";
    default:
        return "static";
    }
}

page::ControlFlags FlagsOf(WindowKind kind, DWORD style) {
    page::ControlFlags flags;
    flags.tabStop = (style & WS_TABSTOP) != 0;
    flags.visible = (style & WS_VISIBLE) != 0;
    flags.disabled = (style & WS_DISABLED) != 0;
    flags.border = (style & WS_BORDER) != 0;
    if (kind == WindowKind::Edit) {
        flags.readOnly = (style & ES_READONLY) != 0;
        flags.upperCase = (style & ES_UPPERCASE) != 0;
    }
    if (kind == WindowKind::Static) {
        const DWORD type = style & SS_TYPEMASK;
        flags.align = type == SS_CENTER ? "center" : type == SS_RIGHT ? "right" : "";
    }
    return flags;
}

} // namespace

HWND BuildDialog(const DialogTemplate& dialog) {
    const HWND window = RegisterWindow({WindowKind::Dialog, nullptr, -1, dialog.style});
    const page::FontMeasures font =
        page::CreateDialog(window, dialog.caption, dialog.fontFace,
                           dialog.pointSize > 0 ? dialog.pointSize : 9,
                           dialog.weight > 0 ? dialog.weight : 400, dialog.italic);
    WindowRecord& record = *FindWindowRecord(window);
    record.baseUnits = BaseUnitsOfFont(font.alphabetWidth, font.height);
    const auto x = [base = record.baseUnits](int value) { return HorizontalPixels(value, base); };
    const auto y = [base = record.baseUnits](int value) { return VerticalPixels(value, base); };
    record.width = x(dialog.cx);
    record.height = y(dialog.cy);
    page::SetDialogSize(window, record.width, record.height);

    for (const DialogItemTemplate& item : dialog.items) {
        const WindowKind kind = KindOf(item);
        const HWND control = RegisterWindow({kind, window, item.id, item.style});
        const char* name =
            item.accessibleName && *item.accessibleName ? item.accessibleName : nullptr;
        page::CreateControl(window, control, PageKind(kind, item.style), item.text, x(item.x),
                            y(item.y), x(item.cx), y(item.cy), FlagsOf(kind, item.style), name);
    }
    return window;
}

} // namespace framework
