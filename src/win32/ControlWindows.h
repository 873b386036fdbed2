#pragma once
// Child windows made from the core's control tables.
#include <windows.h>

#include "app/Controls.h"

namespace lp::win {

// A window class name for the picture boxes of a definition: the caller
// picks the class (the sheet, the palette's container, the icon).
// `pictureClass` is used for ControlKind::Picture.
HWND createControl(HWND parent, const ControlSpec& def, int id, const wchar_t* pictureClass = L"STATIC");

// Places a control at its twips for dpi and sets its font.
void placeControl(HWND control, const ControlSpec& def, int dpi, HFONT font);
// The same at a place of its own (the definition's, scaled).
void placeControl(HWND control, const TwipsRect& place, int dpi, HFONT font);

}  // namespace lp::win
