// Text and geometry conversion (see convert.h).
#include "framework/qt/private/convert.h"

#include <QFont>
#include <QFontMetrics>

namespace framework {

namespace {

// The characters of Windows-1252's bytes 0x80 to 0x9F. Its five unassigned bytes stand for
// the control characters of the same number, as Windows' own conversion has them.
constexpr char16_t kWindows1252From80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252From80[byte - 0x80]) : QChar(byte);
}

// The length of the well-formed UTF-8 sequence that starts with the byte at `p` (which is
// 0x80 or above), or 0 when none does: no overlong forms, surrogates or values past
// U+10FFFF. The text ends with a NUL, which is never a continuation byte, so no byte past it
// is read.
int Utf8SequenceLength(const unsigned char* p) {
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (p[0] >= 0xC2 && p[0] <= 0xDF) {
        length = 2;
    } else if (p[0] >= 0xE0 && p[0] <= 0xEF) {
        length = 3;
        low = p[0] == 0xE0 ? 0xA0 : low;
        high = p[0] == 0xED ? 0x9F : high;
    } else if (p[0] >= 0xF0 && p[0] <= 0xF4) {
        length = 4;
        low = p[0] == 0xF0 ? 0x90 : low;
        high = p[0] == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return length;
}

QString FromUtf8(const unsigned char* begin, const unsigned char* end) {
    return QString::fromUtf8(reinterpret_cast<const char*>(begin), end - begin);
}

} // namespace

// Runs of well-formed UTF-8 are decoded whole; each byte outside them becomes one character.
QString ToQString(const char* narrowText) {
    if (!narrowText)
        return QString();
    const auto* run = reinterpret_cast<const unsigned char*>(narrowText);
    const unsigned char* p = run;
    QString text;
    while (*p) {
        const int length = *p < 0x80 ? 1 : Utf8SequenceLength(p);
        if (length > 0) {
            p += length;
            continue;
        }
        text += FromUtf8(run, p);
        text += Windows1252Character(*p);
        run = ++p;
    }
    return text.isNull() ? FromUtf8(run, p) : text + FromUtf8(run, p);
}

CString ToCString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return CString(bytes.constData());
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return BaseUnitsOfFont(metrics.horizontalAdvance(QStringLiteral(
                               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                           metrics.height());
}

QRect DialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits baseUnits) {
    return QRect(HorizontalPixels(dialogUnits.x(), baseUnits),
                 VerticalPixels(dialogUnits.y(), baseUnits),
                 HorizontalPixels(dialogUnits.width(), baseUnits),
                 VerticalPixels(dialogUnits.height(), baseUnits));
}

} // namespace framework
