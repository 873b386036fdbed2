#pragma once
// Window geometry is written in twips (1440 to the inch). A front end turns
// twips into its pixels with the resolution of the window they lie on. The
// two dialogs place their controls in scale units of their own, which turn
// into twips by one factor across and another down.
#include <span>

namespace lp {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr int kStandardDpi = 96;  // 15 twips to the pixel

struct TwipsRect {
    double left, top, width, height;
};

struct PixelRect {
    int left, top, width, height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct PixelSize {
    int width, height;
};

int twipsToPixels(double twips, int dpi = kStandardDpi);
// Each of left, top, width and height rounded to whole pixels on its own.
PixelRect toPixels(const TwipsRect& twips, int dpi = kStandardDpi);

struct DialogScale {
    double twipsAcross;  // twips per scale unit, horizontally
    double twipsDown;    // twips per scale unit, vertically

    constexpr TwipsRect twips(double left, double top, double width, double height) const {
        return {left * twipsAcross, top * twipsDown, width * twipsAcross, height * twipsDown};
    }
};

// The login dialog: 3521.047 x 912.837 units over 3750 x 1545 twips.
inline constexpr DialogScale kLoginScale{1.0650241, 1.6925257};
// The about box: 5493.453 x 2443.371 units over 5850 x 3540 twips.
inline constexpr DialogScale kAboutScale{5850.0 / 5493.453, 3540.0 / 2443.371};

// Room kept free beyond a dialog's outermost control.
inline constexpr double kHoldingMarginTwips = 120;  // 8 pixels at 96 dpi

// The client size a dialog gets: its stated size, grown where needed so
// that every control lies inside it with `margin` pixels to spare (a control
// placed beyond the stated edge would otherwise be cut off and never
// reachable).
PixelSize clientSizeHolding(PixelSize stated, std::span<const PixelRect> controls, int margin);

}  // namespace lp
