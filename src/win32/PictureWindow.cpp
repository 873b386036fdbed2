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

// The window's resolution, scaled down to its width where the picture is wider.
double PictureWindow::scale() const {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const double fit = picture_.width > 0 ? client.right / picture_.width : 1;
    return std::min(dpiOf(hwnd()) / 96.0, fit);
}

LRESULT PictureWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd(), &paint);
        paintPicture(dc, picture_, scale());
        ::EndPaint(hwnd(), &paint);
        return 0;
    }
    if (message == WM_MOUSEMOVE) {
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
            tracking_ = ::TrackMouseEvent(&track) != FALSE;
        }
        const double pixelsPerUnit = scale();
        if (hovered && pixelsPerUnit > 0) hovered(static_cast<short>(LOWORD(lParam)) / pixelsPerUnit);
        return 0;
    }
    if (message == WM_MOUSELEAVE) {
        tracking_ = false;
        if (hovered) hovered(std::nullopt);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;  // the picture paints its own white
    return byDefault(message, wParam, lParam);
}

}  // namespace lp::win
