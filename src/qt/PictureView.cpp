#include "PictureView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>

#include "PicturePainter.h"

namespace lp {

void PictureView::setPicture(const Picture& picture) {
    if (picture == picture_) return;
    const bool resized = picture.width != picture_.width || picture.height != picture_.height;
    picture_ = picture;
    if (resized) updateGeometry();
    update();
}

namespace {
constexpr double kWidest = 480;  // the view's width at most, in pixels
}

double PictureView::scale(double width) const { return picture_.width > 0 ? std::min(1.0, width / picture_.width) : 1; }

QSize PictureView::sizeHint() const {
    const double s = scale(kWidest);
    return {static_cast<int>(std::ceil(picture_.width * s)), static_cast<int>(std::ceil(picture_.height * s))};
}

// Scaled down to the view's width where it is wider.
void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double s = scale(width());
    painter.scale(s, s);
    paintPicture(painter, picture_);
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (hovered) hovered(event->position().x() / scale(width()));
    QWidget::mouseMoveEvent(event);
}

void PictureView::leaveEvent(QEvent* event) {
    if (hovered) hovered(std::nullopt);
    QWidget::leaveEvent(event);
}

}  // namespace lp
