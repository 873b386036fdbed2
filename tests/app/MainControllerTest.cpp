// The main controller through a fake view: what a window is told after the
// acts whose flow both front ends once wrote for themselves.
#include <algorithm>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/MainController.h"
#include "app/MainView.h"
#include "document/Document.h"
#include "sheet/Ladder.h"

namespace lp {
namespace {

// Writes down what it is told, one line per call, and answers the boxes
// from queues.
class FakeView : public MainView {
public:
    std::vector<std::string> told;
    std::deque<std::string> replies;
    std::deque<SaveAnswer> saveAnswers;
    std::string openPath;
    DeviceTableModel table;
    std::vector<MarkShape> marks;
    std::vector<std::string> recent;
    int zoom = 0;
    std::string tracePath;
    std::vector<std::string> written;  // "path width" of each picture the view was asked to write

    std::string inputBox(const std::string& prompt, const std::string&) override {
        note("prompt " + prompt);
        std::string reply = replies.empty() ? std::string() : replies.front();
        if (!replies.empty()) replies.pop_front();
        return reply;
    }
    void messageBox(const std::string& text, const std::string&) override { note("message " + text); }
    SaveAnswer askSaveChanges(const std::string& text, const std::string&) override {
        note("question " + text);
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    std::string askOpenPath(const std::string& title, const std::string&) override {
        note("open dialog " + title);
        return openPath;
    }
    void showSheet(const std::vector<std::string>& lines, int row, int) override {
        note("sheet " + std::to_string(lines.size()) + " lines, row " + std::to_string(row));
    }
    void showMarks(const std::vector<MarkShape>& shapes, const std::vector<int>& lines) override {
        marks = shapes;
        note("marks " + std::to_string(shapes.size()) + " on " + std::to_string(lines.size()) + " lines");
    }
    void setButton(int n, bool enabled, bool visible) override {
        note("button " + std::to_string(n) + (enabled ? " on" : " off") + (visible ? "" : " hidden"));
    }
    void setText1(const std::string& text) override { note("text1 " + text); }
    void selectText1Line(std::size_t line) override { note("select " + std::to_string(line)); }
    void setCaption(const std::string& caption) override { note("caption " + caption); }
    void setMenuText(MenuCommand command, const std::string& caption) override {
        note("menu " + std::to_string(static_cast<int>(command)) + " " + caption);
    }
    void setMenuEnabled(MenuCommand command, bool enabled) override {
        note("menu " + std::to_string(static_cast<int>(command)) + (enabled ? " on" : " off"));
    }
    void showDeviceTable(const DeviceTableModel& model, bool opened) override {
        table = model;
        note(opened ? "table opened" : "table updated");
    }
    void hideDeviceTable() override { note("table hidden"); }
    void setRecentDrawings(const std::vector<std::string>& captions) override { recent = captions; }
    void startTimer(int ms) override { note("timer " + std::to_string(ms)); }
    void stopTimer() override { note("timer stopped"); }
    void setSheetZoom(int percent) override { zoom = percent; }
    std::string askTracePath(const std::string& title, const std::string&) override {
        note("trace dialog " + title);
        return tracePath;
    }
    std::string writePicture(const Picture& picture, const std::string& path, PictureFormat) override {
        written.push_back(path + " " + std::to_string(static_cast<int>(picture.width)));
        return {};
    }
    void showAbout() override { note("about"); }
    void endProgram() override { note("end"); }

    bool was(const std::string& call) const { return std::find(told.begin(), told.end(), call) != told.end(); }
    bool wasStarting(const std::string& prefix) const {
        return std::any_of(told.begin(), told.end(), [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
    }
    // What was told since the last call of this.
    std::vector<std::string> take() { return std::exchange(told, {}); }

private:
    void note(std::string call) { told.push_back(std::move(call)); }
};

const int kMenuStart = static_cast<int>(MenuCommand::StartSimulation);

class MainControllerTest : public ::testing::Test {
protected:
    FakeView view;
    MainController controller{view};

    void SetUp() override {
        controller.showAll();
        controller.load();
        view.take();
    }

    // X01 and /X02 in series into Y01, line feed, END, 转换.
    void drawAndConvert() {
        view.replies = {"X01", "X02", "Y01"};
        for (int n : {1, 6, 9, 11, 22, 13}) controller.click(n);
    }
};

TEST_F(MainControllerTest, ConvertShowsListThenSheetThenPaletteWithoutRepeats) {
    drawAndConvert();
    const std::vector<std::string> told = view.take();
    const auto text1 = std::find_if(told.begin(), told.end(), [](const std::string& t) { return t.rfind("text1 ", 0) == 0; });
    ASSERT_NE(text1, told.end());
    EXPECT_NE(text1->find("LD  X01"), std::string::npos);
    EXPECT_NE(text1->find("ANI X02"), std::string::npos);
    // The 运行 menu can act once Text1 holds a list.
    EXPECT_NE(std::find(text1, told.end(), "menu " + std::to_string(kMenuStart) + " on"), told.end());
    // What the view shows is told once: a click that does nothing only
    // shows the sheet again.
    EXPECT_EQ(controller.click(13), ClickResult::Ignored);  // disabled after 转换
    EXPECT_EQ(view.take(), std::vector<std::string>{"sheet 4 lines, row 4"});
}

TEST_F(MainControllerTest, UndoOfConvertBringsBackTheEditingRowAndConvertActsAgain) {
    const std::string undoItem = "menu " + std::to_string(static_cast<int>(MenuCommand::Undo));
    drawAndConvert();
    EXPECT_TRUE(view.was(undoItem + " 撤销 转换(&U)"));
    const std::string list = controller.ladder().Text1;
    controller.menuCommand(MenuCommand::Undo);
    EXPECT_TRUE(view.was(undoItem + " 撤销 放置 END(&U)"));
    EXPECT_EQ(controller.ladder().Text1, "");
    EXPECT_EQ(controller.click(13), ClickResult::Done);
    EXPECT_EQ(controller.ladder().Text1, list);
    // Undoing everything greys the item and gives it back its plain caption.
    while (controller.undo()) {
    }
    EXPECT_TRUE(view.was(undoItem + " off"));
    EXPECT_TRUE(view.was(undoItem + " 撤销(&U)"));
}

TEST_F(MainControllerTest, NamePromptSeesThePaletteOfTheCommandSoFar) {
    view.replies = {"X01"};
    controller.click(1);
    const std::vector<std::string> told = view.take();
    const auto prompt = std::find_if(told.begin(), told.end(), [](const std::string& t) { return t.rfind("prompt", 0) == 0; });
    ASSERT_NE(prompt, told.end());
    // The palette is told before the prompt opens, the picture after it closes.
    EXPECT_TRUE(std::any_of(told.begin(), prompt, [](const std::string& t) { return t.rfind("button", 0) == 0; }));
    EXPECT_TRUE(std::none_of(told.begin(), prompt, [](const std::string& t) { return t.rfind("sheet", 0) == 0; }));
    EXPECT_TRUE(std::any_of(prompt, told.end(), [](const std::string& t) { return t.rfind("sheet", 0) == 0; }));
}

TEST_F(MainControllerTest, OpenAsksAboutUnsavedChangesFirstAndEndsTheSimulation) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("ladderpad-controller-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".lad");
    drawAndConvert();
    const std::vector<std::string> picture = controller.ladder().picture;
    ASSERT_TRUE(controller.saveTo(file.string()));
    EXPECT_TRUE(view.wasStarting("caption ") && view.told.back().find(".lad") != std::string::npos);
    controller.click(12);  // 重新编辑: the sheet is cleared, the drawing changed
    controller.menuCommand(MenuCommand::StartSimulation);
    view.take();

    view.saveAnswers = {UserInterface::SaveAnswer::Cancel};
    controller.menuCommand(MenuCommand::OpenDrawing);
    std::vector<std::string> told = view.take();
    EXPECT_TRUE(std::find(told.begin(), told.end(), "question 图纸已修改，是否保存？") != told.end());
    EXPECT_TRUE(std::none_of(told.begin(), told.end(), [](const std::string& t) { return t.rfind("open dialog", 0) == 0; }));
    EXPECT_FALSE(controller.simulating());

    view.saveAnswers = {UserInterface::SaveAnswer::DontSave};
    view.openPath = file.string();
    controller.menuCommand(MenuCommand::OpenDrawing);
    told = view.take();
    EXPECT_TRUE(std::find(told.begin(), told.end(), "open dialog 打开图纸") != told.end());
    EXPECT_EQ(controller.document().path(), file.string());
    EXPECT_EQ(controller.ladder().picture, picture);
    std::filesystem::remove(file);
}

TEST_F(MainControllerTest, SimulationStartStepAndStopTellTheTableMarksAndStepLine) {
    drawAndConvert();
    controller.menuCommand(MenuCommand::StartSimulation);
    EXPECT_TRUE(view.was("table opened"));
    EXPECT_EQ(view.table.rows.size(), 3u);
    EXPECT_EQ(view.table.rows[0].text, "X01 = 0（断开）");
    EXPECT_TRUE(view.was("menu " + std::to_string(kMenuStart) + " off"));
    view.take();

    // A click on X01's contact on the sheet switches it and powers the rung.
    ASSERT_TRUE(controller.setInput("X01", true));
    controller.scanOnce();
    EXPECT_TRUE(view.was("table updated"));
    EXPECT_EQ(view.table.counter, "扫描次数：1");
    EXPECT_TRUE(std::any_of(view.marks.begin(), view.marks.end(),
                            [](const MarkShape& m) { return m.kind == ShapeKind::CoilBody; }));

    controller.menuCommand(MenuCommand::StepSimulation);
    EXPECT_TRUE(view.was("select 1"));
    EXPECT_TRUE(std::any_of(view.marks.begin(), view.marks.end(),
                            [](const MarkShape& m) { return m.kind == ShapeKind::Background; }));

    controller.setPlaying(true);
    EXPECT_TRUE(view.was("timer 100"));
    EXPECT_FALSE(view.table.stepsEnabled);
    view.take();
    controller.menuCommand(MenuCommand::StopSimulation);
    const std::vector<std::string> told = view.take();
    for (const char* call : {"timer stopped", "table hidden", "select 0"})
        EXPECT_TRUE(std::find(told.begin(), told.end(), call) != told.end()) << call;
    EXPECT_TRUE(view.marks.empty());
    EXPECT_FALSE(controller.simulating());
}

TEST_F(MainControllerTest, EditingText1EndsTheSimulationAndTheRefusalIsShown) {
    drawAndConvert();
    controller.menuCommand(MenuCommand::StartSimulation);
    controller.text1Edited("LD X01\r\nOUT\r\n");
    EXPECT_FALSE(controller.simulating());
    EXPECT_TRUE(view.was("table hidden"));
    view.take();
    controller.menuCommand(MenuCommand::StartSimulation);
    EXPECT_TRUE(view.wasStarting("message 第2行"));
    EXPECT_FALSE(view.was("table opened"));
    // Emptied, Text1 leaves the 运行 menu nothing to do.
    controller.text1Edited("");
    EXPECT_TRUE(view.was("menu " + std::to_string(kMenuStart) + " off"));
}

TEST_F(MainControllerTest, ExitAndCloseAskBeforeLeavingUnsavedChanges) {
    drawAndConvert();
    view.take();
    view.saveAnswers = {UserInterface::SaveAnswer::Cancel};
    EXPECT_FALSE(controller.closeRequested());
    EXPECT_FALSE(view.was("end"));
    view.saveAnswers = {UserInterface::SaveAnswer::DontSave};
    EXPECT_EQ(controller.click(20), ClickResult::Exit);  // the export row's 退出
    EXPECT_TRUE(view.was("about"));
    view.saveAnswers = {UserInterface::SaveAnswer::DontSave};
    EXPECT_TRUE(controller.closeRequested());
    EXPECT_TRUE(view.was("end"));
}

TEST_F(MainControllerTest, RecentDrawingsAreKeptNewestFirstAndAMissingOneIsDropped) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
        ("ladderpad-recent-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    const std::string list = (folder / "recent").string();
    controller.useRecentDrawings(list);
    drawAndConvert();
    ASSERT_TRUE(controller.saveTo((folder / "a.lad").string()));
    ASSERT_TRUE(controller.saveTo((folder / "b.lad").string()));
    ASSERT_TRUE(controller.saveTo((folder / "a.lad").string()));
    ASSERT_EQ(view.recent.size(), 2u);
    EXPECT_EQ(view.recent[0].rfind("&1 a.lad  (", 0), 0u);
    EXPECT_EQ(view.recent[1].rfind("&2 b.lad  (", 0), 0u);

    // Another run reads the same list; a drawing no longer there is dropped.
    FakeView other;
    MainController next(other);
    next.showAll();
    next.load();
    next.useRecentDrawings(list);
    ASSERT_EQ(other.recent, view.recent);
    std::filesystem::remove(folder / "b.lad");
    EXPECT_FALSE(next.openRecent(1));
    EXPECT_TRUE(other.wasStarting("message 找不到图纸"));
    EXPECT_EQ(other.recent.size(), 1u);
    EXPECT_TRUE(next.openRecent(0));
    EXPECT_EQ(next.ladder().picture, controller.ladder().picture);
    std::filesystem::remove_all(folder);
}

TEST_F(MainControllerTest, ZoomStepsStayInRangeAreKeptAcrossRunsAndGreyTheMenuAtTheEnds) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
        ("ladderpad-view-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    controller.useViewSettings(file.string());
    EXPECT_EQ(view.zoom, 100);
    const std::string zoomIn = "menu " + std::to_string(static_cast<int>(MenuCommand::ZoomIn));
    for (int i = 0; i < 20; ++i) controller.menuCommand(MenuCommand::ZoomIn);
    EXPECT_EQ(view.zoom, 400);
    EXPECT_TRUE(view.was(zoomIn + " off"));
    controller.zoomByWheel(-3);  // 400 → 300 → 250 → 200
    EXPECT_EQ(view.zoom, 200);
    EXPECT_TRUE(view.was(zoomIn + " on"));
    controller.deviceTableMoved({-40, 300});

    // The next run starts where this one left off; 实际大小 goes back to 100 %.
    FakeView other;
    MainController next(other);
    next.showAll();
    next.load();
    next.useViewSettings(file.string());
    EXPECT_EQ(other.zoom, 200);
    EXPECT_EQ(next.movedDeviceTable(), (ScreenPoint{-40, 300}));
    next.menuCommand(MenuCommand::ActualSize);
    EXPECT_EQ(other.zoom, 100);
    for (int i = 0; i < 20; ++i) next.zoomByWheel(-1);
    EXPECT_EQ(next.zoom(), 50);
    std::filesystem::remove(file);
}

TEST_F(MainControllerTest, TimingDiagramIsSavedAsTheUserChoosesAndMarksTheHoveredScan) {
    drawAndConvert();
    controller.menuCommand(MenuCommand::StartSimulation);
    controller.scan(5);
    // Stepping by hand: the last scan is marked with its number.
    auto hasText = [&](const std::string& text) {
        return std::any_of(view.table.trace.texts.begin(), view.table.trace.texts.end(),
                           [&](const PictureText& t) { return t.text == text; });
    };
    EXPECT_TRUE(hasText("扫描 5"));
    // The right margin (8), then two and a half scans of 2 pixels: the third from the right.
    controller.traceHovered(view.table.trace.width - 8 - 5);
    EXPECT_TRUE(hasText("扫描 3"));
    EXPECT_FALSE(hasText("扫描 5"));
    controller.traceHovered(std::nullopt);
    EXPECT_TRUE(hasText("扫描 5"));

    // Cancelled, nothing is written; a PNG is drawn by the view.
    EXPECT_FALSE(controller.exportTrace());
    EXPECT_TRUE(view.was("trace dialog 保存时序图"));
    view.tracePath = "/tmp/trace.png";
    EXPECT_TRUE(controller.exportTrace());
    ASSERT_EQ(view.written.size(), 1u);
    EXPECT_EQ(view.written[0], "/tmp/trace.png " + std::to_string(static_cast<int>(view.table.trace.width)));
}

}  // namespace
}  // namespace lp
