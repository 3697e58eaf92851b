// The framework's handle tables: HWND to widget (and to the CWnd attached to it), HDC to the
// painter of a running paint event.
//
// Handles are numbers that are never reused, so a handle outlives nothing: once its widget
// or painter is gone, lookups give null and callers do nothing. Single-threaded, like the
// toolkit's widgets. Not for application code: it speaks toolkit types.
#pragma once

#include "framework/win_types.h"

class CWnd;
class QPainter;
class QWidget;

namespace framework {

// A fresh handle value, distinct from every earlier one of any kind.
ULONG_PTR NextHandleValue();

// Gives `widget` a handle; the entry goes when the widget is destroyed.
HWND RegisterWindow(QWidget* widget);
QWidget* WidgetFromHwnd(HWND window);
HWND HwndFromWidget(const QWidget* widget);

// Binds a CWnd to a window: messages to the handle then go through its message map, and its
// m_hWnd is cleared when the window is destroyed.
void AttachWindowObject(HWND window, CWnd* object);
void DetachWindowObject(const CWnd* object);
CWnd* WindowObjectFromHwnd(HWND window);

HDC RegisterPainter(QPainter* painter);
void ForgetPainter(HDC dc);
QPainter* PainterFromHdc(HDC dc);

} // namespace framework
