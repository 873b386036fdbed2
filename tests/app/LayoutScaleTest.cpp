// The main window's layout scale on the screens learners have.
#include <gtest/gtest.h>

#include "app/LayoutScale.h"
#include "app/MainForm.h"

namespace lp {
namespace {

// A frame of 8-pixel borders and a 31-pixel title bar, and a 20-pixel menu
// bar, at 100 %; the system scales them with the screen.
ScreenRoom room(int width, int height, int dpi) {
    return {width, height, dpi, 16 * dpi / 96, 47 * dpi / 96, 20 * dpi / 96};
}

TEST(LayoutScale, TheLayoutNeedsItsOutermostControlsRoom) {
    const TwipsRect extent = mainLayoutExtent();
    EXPECT_EQ(extent.width, 15135);
    EXPECT_EQ(extent.height, 10695);
}

TEST(LayoutScale, ShrinksJustEnoughForTheBottomRowToShowAndNeverBelowItsFloor) {
    EXPECT_EQ(layoutScale(room(1920, 1080, 96)), 1.0);   // nothing moves where it fits
    for (const ScreenRoom& r : {room(1024, 700, 96), room(1366, 728, 96), room(1600, 1000, 144), room(1920, 1040, 192)}) {
        const double factor = layoutScale(r);
        EXPECT_LT(factor, 1.0);
        // The bottom row (转换, 退出) and Text1 end inside the work area.
        const double pixelsPerTwip = r.dpi / kTwipsPerInch;
        for (const char* name : {"Command13", "Command14", "Text1"}) {
            const TwipsRect place = scaled(findControl(mainFormControls(), name)->place, factor);
            EXPECT_LE((place.top + place.height) * pixelsPerTwip + r.frameHeight + r.menuHeight, r.workHeight + 0.5) << name;
            EXPECT_LE((place.left + place.width) * pixelsPerTwip + r.frameWidth, r.workWidth + 0.5) << name;
        }
        // As large as it can be: a hundredth more no longer fits.
        EXPECT_GT((mainLayoutExtent().height * (factor + 0.01)) * pixelsPerTwip + r.frameHeight + r.menuHeight, r.workHeight);
    }
    EXPECT_NEAR(layoutScale(room(1024, 700, 96)), (700 - 47 - 20) / 713.0, 1e-3);
    EXPECT_EQ(layoutScale(room(800, 400, 192)), kSmallestLayoutScale);
}

}  // namespace
}  // namespace lp
