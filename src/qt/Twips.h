#pragma once
// The core's twips and dialog scales as Qt rectangles. The screen works in
// device-independent pixels, 15 twips each at 96 dpi.
#include <QRect>
#include <QSize>

#include "app/Twips.h"

class QWidget;

namespace lp {

// A rectangle given in twips, each of left, top, width and height rounded
// to whole pixels on its own.
QRect twipsRect(const TwipsRect& twips);
inline QRect twipsRect(double left, double top, double width, double height) {
    return twipsRect(TwipsRect{left, top, width, height});
}

// The client size a dialog gets: its stated size, grown where needed so
// that every child control lies inside it with the core's margin to spare.
QSize clientSizeHolding(const QWidget& dialog, QSize stated);

}  // namespace lp
