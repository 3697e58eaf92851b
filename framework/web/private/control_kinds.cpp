// The page's element kind and flags of a template's control (see control_kinds.h).
#include "framework/web/private/control_kinds.h"

#include <strings.h>

#include "framework/winapi/win_styles.h"

namespace framework::page {
namespace {

bool IsClass(const DialogItemTemplate& item, const char* name) {
    return item.className && strcasecmp(item.className, name) == 0;
}

} // namespace

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

ControlFlags FlagsOf(WindowKind kind, DWORD style) {
    ControlFlags flags;
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

const char* AccessibleName(const DialogItemTemplate& item) {
    return item.accessibleName && *item.accessibleName ? item.accessibleName : nullptr;
}

} // namespace framework::page
