// Text and geometry conversion (see convert.h).
#include "framework/qt/private/convert.h"

#include <QFont>
#include <QFontMetrics>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace framework {

QString ToQString(const char* narrowText) {
    return narrowText ? QString::fromLocal8Bit(narrowText) : QString();
}

CString ToCString(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return CString(bytes.constData());
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t divisor = std::abs(static_cast<std::int64_t>(denominator));
    const std::int64_t quotient = (std::abs(product) + divisor / 2) / divisor;
    if (quotient > std::numeric_limits<int>::max())
        return -1;
    const bool negative = (product < 0) != (denominator < 0);
    return static_cast<int>(negative ? -quotient : quotient);
}

QSize DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((alphabetWidth / 26 + 1) / 2, metrics.height());
}

QRect DialogUnitsToPixels(const QRect& dialogUnits, const QSize& baseUnits) {
    return QRect(MulDiv(dialogUnits.x(), baseUnits.width(), 4),
                 MulDiv(dialogUnits.y(), baseUnits.height(), 8),
                 MulDiv(dialogUnits.width(), baseUnits.width(), 4),
                 MulDiv(dialogUnits.height(), baseUnits.height(), 8));
}

} // namespace framework
