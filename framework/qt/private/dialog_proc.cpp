// The dialog's own procedure: icons and the erased background behind a minimised icon
// (see window_proc.h).
#include <QPainter>
#include <QVariant>
#include <QWidget>

#include "framework/qt/private/handles.h"
#include "framework/qt/private/icon_loader.h"
#include "framework/qt/private/window_proc.h"
#include "framework/winapi/win_messages.h"

namespace framework {
namespace {

constexpr const char* kBigIconProperty = "velmoraBigIcon";
constexpr const char* kSmallIconProperty = "velmoraSmallIcon";

HICON StoredIcon(const QWidget* window, const char* property) {
    return reinterpret_cast<HICON>(
        static_cast<ULONG_PTR>(window->property(property).toULongLong()));
}

// The window icon holds the big icon's sizes, plus the small icon's when they differ.
QIcon CombinedIcon(HICON big, HICON small) {
    QIcon combined = WindowIcon(big ? big : small);
    if (big && small && big != small) {
        const QIcon smallIcon = WindowIcon(small);
        for (const QSize& size : smallIcon.availableSizes()) {
            if (size.width() < 32)
                combined.addPixmap(smallIcon.pixmap(size));
        }
    }
    return combined;
}

// WM_SETICON: returns the icon this slot held before.
LRESULT SetIcon(QWidget* window, WPARAM which, LPARAM lParam) {
    const char* property = which == ICON_BIG ? kBigIconProperty : kSmallIconProperty;
    const HICON previous = StoredIcon(window, property);
    window->setProperty(property, QVariant::fromValue<qulonglong>(static_cast<ULONG_PTR>(lParam)));
    window->setWindowIcon(
        CombinedIcon(StoredIcon(window, kBigIconProperty), StoredIcon(window, kSmallIconProperty)));
    return reinterpret_cast<LRESULT>(previous);
}

// WM_ICONERASEBKGND: fills the client area with the window's background colour.
LRESULT EraseIconBackground(QWidget* window, WPARAM wParam) {
    QPainter* painter = PainterFromHdc(reinterpret_cast<HDC>(wParam));
    if (!painter)
        return FALSE;
    painter->fillRect(window->rect(), window->palette().window());
    return TRUE;
}

} // namespace

LRESULT DialogProc(QWidget* dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETICON:
        return SetIcon(dialog, wParam, lParam);
    case WM_ICONERASEBKGND:
        return EraseIconBackground(dialog, wParam);
    default:
        return 0;
    }
}

} // namespace framework
