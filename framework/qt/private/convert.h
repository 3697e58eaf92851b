// The one place where the framework converts between its world and the toolkit's: byte
// strings to and from toolkit text, and dialog units to and from pixels.
//
// Text: a byte string is read as UTF-8, the narrow encoding here, and any byte that is not
// part of well-formed UTF-8 as the Windows-1252 character it stands for, so a word saved by
// a Windows editor (CAF\xC9) is shown and copied as the word it is (CAFÉ), not as U+FFFD.
// Toolkit text goes back as UTF-8: every text comes back whole, a UTF-8 byte string comes
// back byte for byte, and a Windows-1252 one as the same text in UTF-8. Lengths are
// counted in bytes. Geometry: dialog units are scaled by the dialog font's base units by the
// rule the page backend shares (framework/emulated/dialog_units.h). Nothing here touches a
// widget.
#pragma once

#include <QRect>
#include <QString>

#include "framework/cstring.h"
#include "framework/emulated/dialog_units.h"

class QFont;

namespace framework {

QString ToQString(const char* narrowText); // null gives an empty text
CString ToCString(const QString& text);

// The dialog base units of `font`, measured in pixels.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units (x, y, width, height) to pixels.
QRect DialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits baseUnits);

} // namespace framework
