#include "AppIcon.h"

#include <QPainter>
#include <QPen>

namespace lp {

QPixmap appIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    const double s = size / 16.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(0, 0, 128), 1.0));
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(2, 3), QPointF(2, 13));    // left rail
    p.drawLine(QPointF(14, 3), QPointF(14, 13));  // right rail
    p.drawLine(QPointF(2, 8), QPointF(5, 8));     // rung up to the contact
    p.drawLine(QPointF(5, 5), QPointF(5, 11));    // contact plates
    p.drawLine(QPointF(7, 5), QPointF(7, 11));
    p.drawLine(QPointF(7, 8), QPointF(9, 8));
    p.setPen(QPen(QColor(192, 0, 0), 1.0));
    p.drawArc(QRectF(9, 5.5, 4, 5), 100 * 16, 160 * 16);  // coil
    p.drawArc(QRectF(9, 5.5, 4, 5), -80 * 16, 160 * 16);
    return pixmap;
}

QIcon appIcon() {
    QIcon icon;
    icon.addPixmap(appIconPixmap(16));
    icon.addPixmap(appIconPixmap(32));
    return icon;
}

}  // namespace lp
