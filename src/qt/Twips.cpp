#include "Twips.h"

#include <QWidget>
#include <vector>

namespace lp {

QRect twipsRect(const TwipsRect& twips) {
    const PixelRect r = toPixels(twips);
    return QRect(r.left, r.top, r.width, r.height);
}

QSize clientSizeHolding(const QWidget& dialog, QSize stated) {
    std::vector<PixelRect> controls;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const QRect g = child->geometry();
        controls.push_back({g.x(), g.y(), g.width(), g.height()});
    }
    const PixelSize size = lp::clientSizeHolding({stated.width(), stated.height()}, controls,
                                                 twipsToPixels(kHoldingMarginTwips));
    return QSize(size.width, size.height);
}

}  // namespace lp
