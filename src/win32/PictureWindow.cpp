#include "PictureWindow.h"

#include <algorithm>
#include <cmath>

#include "Geometry.h"
#include "PicturePainter.h"

namespace lp::win {

PictureWindow::PictureWindow(HWND parent, int id) {
    create(kClassName, COLOR_WINDOW, 0, L"", WS_CHILD | WS_VISIBLE, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PictureWindow::setPicture(const Picture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

SIZE PictureWindow::pixelSize() const {
    const double scale = dpiOf(hwnd()) / 96.0;
    return {static_cast<LONG>(std::ceil(picture_.width * scale)), static_cast<LONG>(std::ceil(picture_.height * scale))};
}

LRESULT PictureWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd(), &paint);
        // Scaled down to the window's width where the picture is wider.
        RECT client;
        ::GetClientRect(hwnd(), &client);
        const double fit = picture_.width > 0 ? client.right / picture_.width : 1;
        paintPicture(dc, picture_, std::min(dpiOf(hwnd()) / 96.0, fit));
        ::EndPaint(hwnd(), &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;  // the picture paints its own white
    return byDefault(message, wParam, lParam);
}

}  // namespace lp::win
