// MulDiv and dialog units to pixels (see dialog_units.h and win_api.h).
#include "framework/emulated/dialog_units.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

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

namespace framework {

DialogBaseUnits BaseUnitsOfFont(int alphabetWidth, int height) {
    return {(alphabetWidth / 26 + 1) / 2, height};
}

std::string BaseUnitsCss() {
    return "--base-x: round(down, (round(down, var(--alphabet-width) / 26, 1) + 1) / 2, 1); "
           "--base-y: var(--font-height);";
}

std::string HorizontalPixelsCss(int dialogUnits) {
    return "round(" + std::to_string(dialogUnits) + " * var(--base-x) * 1px / 4, 1px)";
}

std::string VerticalPixelsCss(int dialogUnits) {
    return "round(" + std::to_string(dialogUnits) + " * var(--base-y) * 1px / 8, 1px)";
}

void MapDialogUnits(RECT& rect, DialogBaseUnits base) {
    rect.left = HorizontalPixels(rect.left, base);
    rect.right = HorizontalPixels(rect.right, base);
    rect.top = VerticalPixels(rect.top, base);
    rect.bottom = VerticalPixels(rect.bottom, base);
}

} // namespace framework
