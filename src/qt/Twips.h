#pragma once
// Window geometry is written in twips (1440 to the inch); the screen works
// in device-independent pixels, 15 twips each at 96 dpi. The two dialogs
// place their controls in scale units of their own, which convert to twips
// by a factor across and another down.
#include <QRect>
#include <QSize>

class QWidget;

namespace lp {

inline constexpr double kTwipsPerPixel = 15.0;

int twipsToPixels(double twips);
// A rectangle given in twips, each of left, top, width and height rounded
// to whole pixels on its own.
QRect twipsRect(double left, double top, double width, double height);

struct DialogScale {
    double twipsAcross;  // twips per scale unit, horizontally
    double twipsDown;    // twips per scale unit, vertically

    QRect rect(double left, double top, double width, double height) const;
};

// The login dialog: 3521.047 x 912.837 units over 3750 x 1545 twips.
inline constexpr DialogScale kLoginScale{1.0650241, 1.6925257};
// The about box: 5493.453 x 2443.371 units over 5850 x 3540 twips.
inline constexpr DialogScale kAboutScale{5850.0 / 5493.453, 3540.0 / 2443.371};

// The client size a dialog gets: its stated size, grown where needed so
// that every control lies inside it with a small margin to spare (a
// control placed beyond the stated edge would otherwise be cut off and
// never reachable).
QSize clientSizeHolding(const QWidget& dialog, QSize stated);

}  // namespace lp
