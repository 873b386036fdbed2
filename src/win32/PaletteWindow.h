#pragma once
// Picture2: the palette's container, a picture box with a single-line
// border that holds Label1 and the palette buttons and passes their
// notifications on to the main window.
#include "Window.h"

namespace lp::win {

class PaletteWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadPalette";
    PaletteWindow(HWND parent, int id);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace lp::win
