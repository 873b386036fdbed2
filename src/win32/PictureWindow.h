#pragma once
// A child window that shows a picture of the core (the device table's
// timing diagram) at its own size, scaled with the window's resolution.
#include <functional>
#include <optional>

#include "Window.h"
#include "app/PictureModel.h"

namespace lp::win {

class PictureWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadPicture";

    PictureWindow(HWND parent, int id);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    // The picture's size in the window's pixels.
    SIZE pixelSize() const;

    // The mouse over the picture, at x in the picture's own units; nullopt
    // once it has left.
    std::function<void(std::optional<double> x)> hovered;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Pixels to the picture's unit as painted.
    double scale() const;

    Picture picture_;
    bool tracking_ = false;  // the window hears when the mouse leaves
};

}  // namespace lp::win
