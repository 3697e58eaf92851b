// The one place where the framework converts between its world and the toolkit's: byte
// strings to and from toolkit text, and dialog units to and from pixels.
//
// Text: a byte string is read as UTF-8, the narrow encoding here, and any byte that is not
// part of well-formed UTF-8 as the Windows-1252 character it stands for, so a word saved by
// a Windows editor (CAF\xC9) is shown and copied as the word it is (CAFÉ), not as U+FFFD.
// Toolkit text goes back as UTF-8: every text comes back whole, a UTF-8 byte string comes
// back byte for byte, and a Windows-1252 one as the same text in UTF-8. Lengths are
// counted in bytes. Geometry: dialog units are scaled by the dialog font's base units the
// way the original window system does. Nothing here touches a widget.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "framework/cstring.h"

class QFont;

namespace framework {

QString ToQString(const char* narrowText); // null gives an empty text
CString ToCString(const QString& text);

// number * numerator / denominator rounded half away from zero, as the window system's
// MulDiv does; -1 when the denominator is 0 or the result does not fit an int.
int MulDiv(int number, int numerator, int denominator);

// The dialog base units of `font`: x = (average width of "A".."Z" "a".."z" / 26 + 1) / 2,
// y = the font's height, in pixels.
QSize DialogBaseUnits(const QFont& font);

// A rectangle in dialog units to pixels: x and width scale by base.x / 4, y and height by
// base.y / 8.
QRect DialogUnitsToPixels(const QRect& dialogUnits, const QSize& baseUnits);

} // namespace framework
