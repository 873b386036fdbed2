#pragma once
// A child window that shows a picture of the core (the device table's
// timing diagram) at its own size, scaled with the window's resolution.
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

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    Picture picture_;
};

}  // namespace lp::win
