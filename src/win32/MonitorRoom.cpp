#include "MonitorRoom.h"

namespace lp::win {

PixelRect workAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

ScreenRoom screenRoom(PixelSize work, DWORD style, DWORD exStyle, int dpi) {
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi));
    ScreenRoom room;
    room.workWidth = work.width;
    room.workHeight = work.height;
    room.dpi = dpi;
    room.frameWidth = frame.right - frame.left;
    room.frameHeight = frame.bottom - frame.top;
    room.menuHeight = ::GetSystemMetricsForDpi(SM_CYMENU, static_cast<UINT>(dpi));
    return room;
}

}  // namespace lp::win
