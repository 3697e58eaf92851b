// The dialog's page elements from its template (see dialog_builder.h).
#include "framework/web/private/dialog_builder.h"

#include "framework/web/private/control_kinds.h"
#include "framework/web/private/dialog_markup.h"
#include "framework/web/private/handles.h"
#include "framework/web/private/page_bridge.h"

namespace framework {

HWND BuildDialog(const DialogTemplate& dialog) {
    const HWND window = RegisterWindow({WindowKind::Dialog, nullptr, -1, dialog.style});
    const page::FontMeasures font =
        page::CreateDialog(window, dialog.caption, dialog.fontFace,
                           page::PointSizeOf(dialog), page::WeightOf(dialog), dialog.italic);
    WindowRecord& record = *FindWindowRecord(window);
    record.baseUnits = BaseUnitsOfFont(font.alphabetWidth, font.height);
    const auto x = [base = record.baseUnits](int value) { return HorizontalPixels(value, base); };
    const auto y = [base = record.baseUnits](int value) { return VerticalPixels(value, base); };
    record.width = x(dialog.cx);
    record.height = y(dialog.cy);
    page::SetDialogSize(window, record.width, record.height);

    std::size_t index = 0;
    for (const DialogItemTemplate& item : dialog.items) {
        const WindowKind kind = page::KindOf(item);
        const HWND control = RegisterWindow({kind, window, item.id, item.style});
        page::CreateControl(window, control, page::PageKind(kind, item.style),
                            page::ControlMarkup(item, index++), x(item.x), y(item.y), x(item.cx),
                            y(item.cy));
    }
    return window;
}

} // namespace framework
