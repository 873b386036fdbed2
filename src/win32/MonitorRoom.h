#pragma once
// The room a top-level window has on its monitor, in the screen's pixels.
#include <windows.h>

#include "app/LayoutScale.h"

namespace lp::win {

// The work area (the monitor less the task bar) of the window's monitor.
PixelRect workAreaOf(HWND window);

// A work area of `work` pixels with the frame of a window of this style and
// its menu bar, at dpi.
ScreenRoom screenRoom(PixelSize work, DWORD style, DWORD exStyle, int dpi);

}  // namespace lp::win
