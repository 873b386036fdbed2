// The drawing's picture and the simulation's timing diagram, through the
// controller: what they hold as text, and a trace that agrees scan by scan
// with what the device table showed.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "app/MainController.h"
#include "picture/SvgPicture.h"
#include "sheet/Ladder.h"
#include "support/NullView.h"

namespace lp {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PictureTest : public ::testing::Test {
protected:
    test::NullView view;
    MainController controller{view};
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
        ("ladderpad-picture-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));

    void SetUp() override {
        std::filesystem::create_directories(folder);
        controller.load();
        // The seal-in: (X01 + Y01) and not X02 into Y01.
        view.replies = {"X01", "X02", "Y01", "Y01"};
        for (int n : {1, 6, 9, 11, 3, 18, 11, 22, 13}) controller.click(n);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(PictureTest, SvgHoldsEveryNameAndInstructionAsTextOnTheSheetsGrid) {
    ASSERT_NE(controller.ladder().StatementList.find("OR  Y01"), std::string::npos);
    ASSERT_TRUE(controller.savePictureSvg((folder / "seal-in.svg").string()));
    const std::string svg = readFile(folder / "seal-in.svg");
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    for (const char* text : {"X01", "X02", "Y01", "LD  X01", "OR  Y01", "ANI X02", "OUT Y01", "END", "未命名图纸"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    // Names with XML's own characters are escaped, never written raw.
    Picture picture;
    picture.texts.push_back({0, 10, 14, "<&\">", {0, 1, 2, 3}, false});
    const std::string escaped = svgOf(picture);
    EXPECT_NE(escaped.find(">&lt;&amp;&quot;&gt;</text>"), std::string::npos);
    EXPECT_NE(escaped.find("x=\"0 7 14 21\""), std::string::npos);
}

TEST_F(PictureTest, TraceCsvHoldsScanByScanWhatTheTableShowed) {
    controller.menuCommand(MenuCommand::StartSimulation);
    ASSERT_TRUE(controller.simulating());
    std::string expected = "\xEF\xBB\xBFscan,X01,X02,Y01\r\n";
    for (int scan = 1; scan <= 10; ++scan) {
        if (scan == 2) controller.setInput("X01", true);
        if (scan == 4) controller.setInput("X01", false);
        if (scan == 7) controller.setInput("X02", true);
        controller.scanOnce();
        std::string row = std::to_string(scan);
        for (const char* name : {"X01", "X02", "Y01"})
            for (const DeviceRow& device : view.table.rows)
                if (device.name == name) row += device.on ? ",1" : ",0";
        expected += row + "\r\n";
    }
    // The seal-in holds Y01 from scan 2 to scan 6.
    EXPECT_NE(expected.find("\r\n6,0,0,1\r\n7,0,1,0\r\n"), std::string::npos);
    ASSERT_TRUE(controller.saveTrace((folder / "trace.csv").string()));
    EXPECT_EQ(readFile(folder / "trace.csv"), expected);
    EXPECT_FALSE(controller.saveTrace((folder / "missing" / "trace.csv").string()));
    EXPECT_NE(view.messages.back().find("无法写入文件："), std::string::npos);
}

}  // namespace
}  // namespace lp
