// Where the device table opens: never over the palette's column, inside the
// work area, and where the user last moved it.
#include <gtest/gtest.h>

#include "app/LayoutScale.h"
#include "app/MainForm.h"
#include "app/WindowPlacement.h"

namespace lp {
namespace {

bool inside(const PixelRect& r, const PixelRect& work) {
    return r.left >= work.left && r.top >= work.top && r.right() <= work.right() && r.bottom() <= work.bottom();
}

TEST(WindowPlacement, DeviceTableLeavesThePaletteColumnInSight) {
    const PixelSize table{420, 520};
    // A maximized window at 150 % on 1600 x 1000 (logical 1066 x 666 at 96):
    // no room beside it, so over the right part of the sheet.
    const PixelRect work{0, 0, 1066, 666};
    const double factor = 0.85;
    const int column = twipsToPixels(rightColumnLeft() * factor);
    const int layoutRight = twipsToPixels(mainLayoutExtent().width * factor);
    const DeviceTableRoom maximized{work, work, column, layoutRight, 50};
    const PixelRect over = deviceTablePlace(maximized, table, std::nullopt);
    EXPECT_TRUE(inside(over, work));
    EXPECT_LE(over.right(), column);
    // The palette, Text1 and the bottom row all start at or right of that column.
    for (const char* name : {"Picture2", "Text1", "Command13", "Command14"})
        EXPECT_GE(twipsToPixels(findControl(mainFormControls(), name)->place.left * factor), column) << name;

    // A restored window with room on its right: the table opens beside it.
    const PixelRect wide{0, 0, 1920, 1040};
    const PixelRect restored = centredIn(wide, {800, 600});
    EXPECT_EQ(restored.left, 560);
    const PixelRect beside = deviceTablePlace({wide, restored, restored.left + column, restored.left + layoutRight, restored.top + 50},
                                              table, std::nullopt);
    EXPECT_GE(beside.left, restored.right());
    EXPECT_TRUE(inside(beside, wide));

    // Maximized on a wide screen: in the empty part of the window right of its controls.
    const PixelRect right = deviceTablePlace({wide, wide, column, layoutRight, 50}, table, std::nullopt);
    EXPECT_GE(right.left, layoutRight);
    EXPECT_TRUE(inside(right, wide));

    // Where the user moved it, kept inside a work area that may be smaller now.
    EXPECT_EQ(deviceTablePlace(maximized, table, ScreenPoint{100, 20}).left, 100);
    const PixelRect moved = deviceTablePlace(maximized, table, ScreenPoint{1500, -30});
    EXPECT_TRUE(inside(moved, work));
}

}  // namespace
}  // namespace lp
