// The HWND and HDC tables (see handles.h). HICON handles live in icon_loader.cpp.
#include "framework/qt/private/handles.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <unordered_map>

#include "framework/wnd.h"

namespace framework {
namespace {

constexpr const char* kHandleProperty = "velmoraHwnd";

struct WindowEntry {
    QPointer<QWidget> widget;
    CWnd* object = nullptr;
};

std::unordered_map<ULONG_PTR, WindowEntry>& Windows() {
    static std::unordered_map<ULONG_PTR, WindowEntry> windows;
    return windows;
}

std::unordered_map<ULONG_PTR, QPainter*>& Painters() {
    static std::unordered_map<ULONG_PTR, QPainter*> painters;
    return painters;
}

WindowEntry* FindWindowEntry(HWND window) {
    const auto found = Windows().find(reinterpret_cast<ULONG_PTR>(window));
    if (found == Windows().end() || found->second.widget.isNull())
        return nullptr;
    return &found->second;
}

void ForgetWindow(ULONG_PTR handle) {
    const auto found = Windows().find(handle);
    if (found == Windows().end())
        return;
    if (CWnd* object = found->second.object;
        object && object->m_hWnd == reinterpret_cast<HWND>(handle))
        object->m_hWnd = nullptr;
    Windows().erase(found);
}

} // namespace

ULONG_PTR NextHandleValue() {
    // Multiples of 4 from 0x10000 up: never null, never a small integer, never reused.
    static ULONG_PTR next = 0x10000;
    next += 4;
    return next;
}

HWND RegisterWindow(QWidget* widget) {
    if (!widget)
        return nullptr;
    if (HWND existing = HwndFromWidget(widget))
        return existing;
    const ULONG_PTR handle = NextHandleValue();
    Windows()[handle] = WindowEntry{widget, nullptr};
    widget->setProperty(kHandleProperty, QVariant::fromValue<qulonglong>(handle));
    QObject::connect(widget, &QObject::destroyed, [handle] { ForgetWindow(handle); });
    return reinterpret_cast<HWND>(handle);
}

QWidget* WidgetFromHwnd(HWND window) {
    WindowEntry* entry = FindWindowEntry(window);
    return entry ? entry->widget.data() : nullptr;
}

HWND HwndFromWidget(const QWidget* widget) {
    if (!widget)
        return nullptr;
    const QVariant value = widget->property(kHandleProperty);
    if (!value.isValid())
        return nullptr;
    const HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(value.toULongLong()));
    return WidgetFromHwnd(window) == widget ? window : nullptr;
}

void AttachWindowObject(HWND window, CWnd* object) {
    if (WindowEntry* entry = FindWindowEntry(window)) {
        entry->object = object;
        object->m_hWnd = window;
    }
}

void DetachWindowObject(const CWnd* object) {
    for (auto& [handle, entry] : Windows()) {
        if (entry.object == object)
            entry.object = nullptr;
    }
}

CWnd* WindowObjectFromHwnd(HWND window) {
    WindowEntry* entry = FindWindowEntry(window);
    return entry ? entry->object : nullptr;
}

HDC RegisterPainter(QPainter* painter) {
    const ULONG_PTR handle = NextHandleValue();
    Painters()[handle] = painter;
    return reinterpret_cast<HDC>(handle);
}

void ForgetPainter(HDC dc) {
    Painters().erase(reinterpret_cast<ULONG_PTR>(dc));
}

QPainter* PainterFromHdc(HDC dc) {
    const auto found = Painters().find(reinterpret_cast<ULONG_PTR>(dc));
    return found == Painters().end() ? nullptr : found->second;
}

} // namespace framework
