#include "Geometry.h"

#include "MonitorRoom.h"
#include "app/WindowPlacement.h"

namespace lp::win {

int dpiOf(HWND window) {
    const UINT dpi = window ? ::GetDpiForWindow(window) : ::GetDpiForSystem();
    return dpi ? static_cast<int>(dpi) : kStandardDpi;
}

RECT pixelRect(const TwipsRect& twips, int dpi) {
    const PixelRect r = toPixels(twips, dpi);
    return {r.left, r.top, r.right(), r.bottom()};
}

SIZE frameSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi) {
    RECT r{0, 0, client.cx, client.cy};
    ::AdjustWindowRectExForDpi(&r, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi));
    return {r.right - r.left, r.bottom - r.top};
}

void centreOnScreen(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame;
    ::GetWindowRect(window, &frame);
    const RECT& area = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void showMaximized(HWND window, SIZE frame) {
    const PixelRect restored = centredIn(workAreaOf(window), {frame.cx, frame.cy});
    // Shown there first, so that restoring the window brings it back there
    // (a window manager that never saw it restored would place it itself).
    ::SetWindowPos(window, nullptr, restored.left, restored.top, restored.width, restored.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::ShowWindow(window, SW_SHOWMAXIMIZED);
}

}  // namespace lp::win
