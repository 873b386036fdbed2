#pragma once
// A picture of the core shown in a window (the device table's timing
// diagram), scaled down to the view's width where it is wider.
#include <functional>
#include <optional>

#include <QWidget>

#include "app/PictureModel.h"

namespace lp {

class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent = nullptr) : QWidget(parent) {}

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    QSize sizeHint() const override;

    // The pointer over the picture at this x of the picture's own units
    // (none: it left). Set it to follow the pointer.
    std::function<void(std::optional<double>)> hovered;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    double scale(double width) const;

    Picture picture_;
};

}  // namespace lp
