#include "Twips.h"

#include <QWidget>
#include <cmath>

namespace lp {

namespace {
constexpr int kMargin = 8;  // pixels kept free beyond the outermost control
}

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QRect DialogScale::rect(double left, double top, double width, double height) const {
    return twipsRect(left * twipsAcross, top * twipsDown, width * twipsAcross, height * twipsDown);
}

QSize clientSizeHolding(const QWidget& dialog, QSize stated) {
    int right = 0;
    int bottom = 0;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        right = std::max(right, child->geometry().right() + 1);
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    return QSize(std::max(stated.width(), right + kMargin), std::max(stated.height(), bottom + kMargin));
}

}  // namespace lp
