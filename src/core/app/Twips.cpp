#include "app/Twips.h"

#include <algorithm>
#include <cmath>

namespace lp {

int twipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

PixelRect toPixels(const TwipsRect& twips, int dpi) {
    return {twipsToPixels(twips.left, dpi), twipsToPixels(twips.top, dpi), twipsToPixels(twips.width, dpi),
            twipsToPixels(twips.height, dpi)};
}

PixelSize clientSizeHolding(PixelSize stated, std::span<const PixelRect> controls, int margin) {
    int right = 0;
    int bottom = 0;
    for (const PixelRect& control : controls) {
        right = std::max(right, control.right());
        bottom = std::max(bottom, control.bottom());
    }
    return {std::max(stated.width, right + margin), std::max(stated.height, bottom + margin)};
}

}  // namespace lp
