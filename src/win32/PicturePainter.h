#pragma once
// A picture of the core (the drawing with its list, the timing diagram)
// drawn with GDI: in a window, into a PNG through WIC, onto printer pages.
#include <string>

#include <windows.h>

#include "app/PictureModel.h"

namespace lp::win {

// Draws the picture with `scale` device pixels to each of its pixels (1/96
// inch), its top left at (x, y) of the device context; `top` skips that
// much of the picture (later pages).
void paintPicture(HDC dc, const Picture& picture, double scale, int x = 0, int y = 0, double top = 0);

// Writes the picture as PNG at twice its pixels; "" on success, else the reason.
std::string writePicturePng(const Picture& picture, const std::string& path);

// The system's print dialog, then the picture scaled to the page's width,
// over as many pages as it needs.
void printPicture(HWND owner, const Picture& picture);

}  // namespace lp::win
