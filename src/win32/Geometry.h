#pragma once
// Twips on a window: converted with the resolution of the window they lie
// on (1440 twips to the inch).
#include <windows.h>

#include "app/Twips.h"

namespace lp::win {

int dpiOf(HWND window);  // the window's, or the system's when it has none yet
RECT pixelRect(const TwipsRect& twips, int dpi);
// The outer size of a top-level window whose client area is `client` pixels.
SIZE frameSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi);
// Moves a top-level window so that its frame is centred on the work area of
// its monitor.
void centreOnScreen(HWND window);
// Shows a top-level window maximized; restored, its frame is `frame` pixels,
// centred on the work area of its monitor and kept inside it.
void showMaximized(HWND window, SIZE frame);

}  // namespace lp::win
