// The HWND and HDC tables (see handles.h). HICON handles live in icon_loader.cpp.
#include "framework/qt/private/handles.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <unordered_map>


namespace framework {
namespace {

constexpr const char* kHandleProperty = "velmoraHwnd";

std::unordered_map<ULONG_PTR, QPointer<QWidget>>& Windows() {
    static std::unordered_map<ULONG_PTR, QPointer<QWidget>> windows;
    return windows;
}

std::unordered_map<ULONG_PTR, QPainter*>& Painters() {
    static std::unordered_map<ULONG_PTR, QPainter*> painters;
    return painters;
}

void ForgetWindow(ULONG_PTR handle) {
    ForgetWindowObject(reinterpret_cast<HWND>(handle));
    Windows().erase(handle);
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
    Windows()[handle] = widget;
    widget->setProperty(kHandleProperty, QVariant::fromValue<qulonglong>(handle));
    QObject::connect(widget, &QObject::destroyed, [handle] { ForgetWindow(handle); });
    return reinterpret_cast<HWND>(handle);
}

QWidget* WidgetFromHwnd(HWND window) {
    const auto found = Windows().find(reinterpret_cast<ULONG_PTR>(window));
    return found == Windows().end() ? nullptr : found->second.data();
}

bool WindowExists(HWND window) {
    return WidgetFromHwnd(window) != nullptr;
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
