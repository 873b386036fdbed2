#include "PictureView.h"

#include <cmath>

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

QSize PictureView::sizeHint() const {
    return {static_cast<int>(std::ceil(picture_.width)), static_cast<int>(std::ceil(picture_.height))};
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, picture_);
}

}  // namespace lp
