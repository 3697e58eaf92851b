// The framework's handle tables: HWND to widget, HDC to the painter of a running paint event.
// The CWnd bound to a handle is kept in window_objects.h.
//
// Handles are numbers that are never reused, so a handle outlives nothing: once its widget
// or painter is gone, lookups give null and callers do nothing. Single-threaded, like the
// toolkit's widgets. Not for application code: it speaks toolkit types.
#pragma once

#include "framework/emulated/window_objects.h"
#include "framework/winapi/win_types.h"

class QPainter;
class QWidget;

namespace framework {

// A fresh handle value, distinct from every earlier one of any kind.
ULONG_PTR NextHandleValue();

// Gives `widget` a handle; the entry goes when the widget is destroyed.
HWND RegisterWindow(QWidget* widget);
QWidget* WidgetFromHwnd(HWND window);
HWND HwndFromWidget(const QWidget* widget);

HDC RegisterPainter(QPainter* painter);
void ForgetPainter(HDC dc);
QPainter* PainterFromHdc(HDC dc);

} // namespace framework
