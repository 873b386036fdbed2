#pragma once
// A picture of the core shown in a window (the device table's timing
// diagram), scaled down to the view's width where it is wider.
#include <QWidget>

#include "app/PictureModel.h"

namespace lp {

class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent = nullptr) : QWidget(parent) {}

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double scale(double width) const;

    Picture picture_;
};

}  // namespace lp
