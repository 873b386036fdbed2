// The windows' definitions as both front ends read them: places in twips
// at any resolution, the dialogs' scales, the rule that grows a dialog to
// hold its controls, and the tab orders.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "app/AboutForm.h"
#include "app/LoginForm.h"
#include "app/MainForm.h"
#include "app/Twips.h"

namespace lp {
namespace {

TEST(FormTables, TwipsFollowTheResolution) {
    for (int dpi : {96, 120, 144, 192}) {
        for (double twips : {0.0, 15.0, 1440.0, 10815.0, 8595.0}) {
            const int pixels = twipsToPixels(twips, dpi);
            EXPECT_LE(std::abs(pixels - twips * dpi / 1440.0), 0.5);
        }
        EXPECT_EQ(twipsToPixels(1440, dpi), dpi);
    }
    EXPECT_EQ(twipsToPixels(11880), 792);
}

TEST(FormTables, DialogUnitsSpanTheStatedClientArea) {
    EXPECT_NEAR(kLoginScale.twips(0, 0, 3521.047, 912.837).width, kLoginClient.width, 0.5);
    EXPECT_NEAR(kLoginScale.twips(0, 0, 3521.047, 912.837).height, kLoginClient.height, 0.5);
    EXPECT_NEAR(kAboutScale.twips(0, 0, 5493.453, 2443.371).width, kAboutClient.width, 0.5);
    EXPECT_NEAR(kAboutScale.twips(0, 0, 5493.453, 2443.371).height, kAboutClient.height, 0.5);
}

TEST(FormTables, DialogsGrowToHoldEveryControl) {
    for (auto controls : {loginControls(), aboutControls()}) {
        const TwipsRect client = controls.data() == loginControls().data() ? kLoginClient : kAboutClient;
        for (int dpi : {96, 144}) {
            std::vector<PixelRect> rects;
            for (const ControlSpec& c : controls) rects.push_back(toPixels(c.place, dpi));
            const PixelRect stated = toPixels(client, dpi);
            const int margin = twipsToPixels(kHoldingMarginTwips, dpi);
            const PixelSize size = clientSizeHolding({stated.width, stated.height}, rects, margin);
            EXPECT_GE(size.width, stated.width);
            EXPECT_GE(size.height, stated.height);
            for (const PixelRect& r : rects) {
                EXPECT_LE(r.right() + margin, size.width);
                EXPECT_LE(r.bottom() + margin, size.height);
            }
        }
    }
}

std::string namesInTabOrder(std::span<const ControlSpec> controls) {
    std::string names;
    for (const ControlSpec* c : tabOrder(controls)) names += std::string(c->name) + " ";
    return names;
}

TEST(FormTables, TabOrders) {
    std::string main = "Picture1 Picture2 ";
    for (int n = 1; n <= 18; ++n) main += "Command" + std::to_string(n) + " ";
    main += "Text1 Command19 Command20 Command21 Command22 ";
    EXPECT_EQ(namesInTabOrder(mainFormControls()), main);
    EXPECT_EQ(namesInTabOrder(loginControls()), "txtUserName txtPassword cmdOK cmdCancel ");
    EXPECT_EQ(namesInTabOrder(aboutControls()), "cmdOK cmdSysInfo ");
}

TEST(FormTables, ButtonsByNumber) {
    for (int n = 1; n <= 22; ++n) {
        const ControlSpec& b = buttonControl(n);
        EXPECT_EQ(std::string(b.name), "Command" + std::to_string(n));
        EXPECT_EQ(b.kind, ControlKind::Button);
        const bool bottomRow = n == 13 || n == 14 || n == 19 || n == 20;
        EXPECT_EQ(b.container == nullptr, bottomRow);
        ASSERT_NE(b.font.face, nullptr);
    }
    EXPECT_EQ(findControl(mainFormControls(), "Command23"), nullptr);
}

}  // namespace
}  // namespace lp

namespace lp {
namespace {

// The etched separator runs to the dialog's right edge however wide the
// dialog was made to hold its controls, and starts where the table says.
TEST(AboutSeparator, RunsToTheRightEdgeOfTheDialog) {
    for (const int dpi : {96, 120, 144}) {
        const int stated = twipsToPixels(kAboutClient.width, dpi);
        for (const int width : {stated, stated + 7, stated + 40}) {
            for (const LineSpec& line : aboutLines()) {
                EXPECT_EQ(aboutLineEnd(line, dpi, width), width);
                EXPECT_LT(twipsToPixels(line.from, dpi), width / 10);
            }
        }
    }
}

}  // namespace
}  // namespace lp
