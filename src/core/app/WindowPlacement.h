#pragma once
// Where the windows open on the screen, in the screen's pixels: the main
// window restored from maximized, and the simulation's device table, which
// must leave the palette, Text1 and the bottom row in sight.
#include <optional>

#include "app/Twips.h"
#include "app/ViewSettings.h"

namespace lp {

// A frame of `frame` pixels centred in the work area, moved inside it where
// it is larger.
PixelRect centredIn(const PixelRect& work, PixelSize frame);

// The left edge, in twips of the client area at factor 1, of the column the
// palette, Text1 and the bottom row stand in.
double rightColumnLeft();

struct DeviceTableRoom {
    PixelRect work;       // the work area of the main window's monitor
    PixelRect mainFrame;  // the main window's frame
    int rightColumnX;     // the screen x of the palette's column (rightColumnLeft scaled)
    int layoutRight;      // the screen x where the main window's controls end (mainLayoutExtent scaled)
    int top;              // the screen y just below the main window's menu bar
};

// The device table's frame: where the user last moved it, kept inside the
// work area; else beside the main window where there is room, else inside
// the window right of its controls where a wide screen leaves room, else
// over the right part of the sheet, clear of the palette's column.
PixelRect deviceTablePlace(const DeviceTableRoom& room, PixelSize table, std::optional<ScreenPoint> moved);

}  // namespace lp
