// Saving: the file reads back as the drawing, the caption follows it, and a
// save that fails says so with the full path and changes nothing else,
// leaving the earlier file as it was and no temporary file behind.
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <set>

#include "document/DocumentCommands.h"
#include "document/DrawingFile.h"
#include "document/DrawingWriter.h"
#include "document/DrawingFixture.h"

namespace lp::test {
namespace {

namespace fs = std::filesystem;

class DrawingSave : public DrawingTest {
protected:
    std::set<std::string> entries(const fs::path& folder) const {
        std::set<std::string> names;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(folder, ec)) {
            const std::u8string name = e.path().filename().u8string();
            names.insert(std::string(name.begin(), name.end()));
        }
        return names;
    }

    // Saves to `path` and expects the failure `message` and nothing else.
    void expectSaveFails(const std::string& path, const std::string& message) {
        const DrawingState before = captureDrawing(ladder);
        const std::string caption = document.caption(ladder);
        const std::string hadPath = document.path();
        const std::set<std::string> was = entries(dir);
        ui.messages.clear();
        EXPECT_FALSE(saveDrawingTo(ladder, document, path));
        ASSERT_EQ(ui.messages.size(), 1u);
        // The system gives the reason in its own words on Windows.
#ifdef _WIN32
        const std::size_t open = message.find("（");
        EXPECT_EQ(ui.messages[0].text.substr(0, open == std::string::npos ? message.size() : open + 3),
                  message.substr(0, open == std::string::npos ? message.size() : open + 3));
#else
        EXPECT_EQ(ui.messages[0].text, message);
#endif
        EXPECT_TRUE(sameDrawing(ladder, before));
        EXPECT_EQ(document.path(), hadPath);
        EXPECT_EQ(document.caption(ladder), caption);
        EXPECT_EQ(entries(dir), was) << "the failed save left something behind";
    }
};

TEST_F(DrawingSave, TheSavedFileOpensAsTheDrawing) {
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    EXPECT_TRUE(ui.messages.empty());
    const std::string bytes = readBytes(file("a.lad"));
    EXPECT_EQ(bytes.rfind("LadderPad drawing 1\n", 0), 0u);
    EXPECT_EQ(bytes, writeDrawing(captureDrawing(ladder)));
    DocumentUserInterface other;
    Ladder second(other);
    Document secondDocument;
    second.Form_Load();
    second.Form_Activate();
    ASSERT_TRUE(openDrawing(second, secondDocument, file("a.lad")));
    EXPECT_TRUE(sameDrawing(second, captureDrawing(ladder)));
    // Opened, the sheet is printed as Fresh prints it.
    EXPECT_EQ(second.picture, ladder.picture);
    EXPECT_EQ(second.picture.size(), static_cast<std::size_t>(second.state.CurRow));
    EXPECT_FALSE(secondDocument.hasUnsavedChanges(second));
}

TEST_F(DrawingSave, TheCaptionNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_EQ(document.caption(ladder), kProgramTitle);
    drawRung();
    // Without a file the caption is the program's title, marked while the
    // drawing has something to lose.
    EXPECT_TRUE(document.hasUnsavedChanges(ladder));
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " *");
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("图纸.lad"))) << (ui.messages.empty() ? "" : ui.messages.back().text);
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " - 图纸.lad");
    press(1, "X03");
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " - 图纸.lad *");
    ASSERT_TRUE(saveDrawing(ladder, document));
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " - 图纸.lad");
    ladder.Text1 = "edited";
    EXPECT_TRUE(document.hasUnsavedChanges(ladder));
    // 重新编辑 empties the sheet: it now differs from the file, and saving
    // would lose the drawing the file holds.
    press(12);
    EXPECT_TRUE(document.hasUnsavedChanges(ladder));
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " - 图纸.lad *");
    // Opening the file again brings the drawing back and the mark goes.
    ASSERT_TRUE(openDrawing(ladder, document, file("图纸.lad")));
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " - 图纸.lad");
}

TEST_F(DrawingSave, AnUntitledSheetEmptiedAgainHasNothingToLose) {
    drawRung();
    EXPECT_EQ(document.caption(ladder), std::string(kProgramTitle) + " *");
    press(12);
    EXPECT_FALSE(document.hasUnsavedChanges(ladder));
    EXPECT_EQ(document.caption(ladder), kProgramTitle);
}

TEST_F(DrawingSave, AMissingFolder) {
    drawRung();
    expectSaveFails(file("missing/a.lad"), "无法保存图纸：" + file("missing/a.lad") + "（找不到路径）");
}

TEST_F(DrawingSave, AFolderWhereTheFileShouldBe) {
    drawRung();
    fs::create_directories(file("a.lad/inside"));
    expectSaveFails(file("a.lad"), "无法保存图纸：" + file("a.lad") + "（这个名字是一个文件夹，不是普通文件）");
    EXPECT_TRUE(fs::is_directory(file("a.lad/inside")));
}

TEST_F(DrawingSave, AReadOnlyFileIsKept) {
    writeBytes(file("a.lad"), "old");
    fs::permissions(file("a.lad"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    drawRung();
    expectSaveFails(file("a.lad"), "无法保存图纸：" + file("a.lad") + "（文件是只读的）");
    EXPECT_EQ(readBytes(file("a.lad")), "old");
}

TEST_F(DrawingSave, AFailedSaveAsKeepsTheDrawingsFile) {
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    press(1, "X03");
    expectSaveFails(file("missing/b.lad"), "无法保存图纸：" + file("missing/b.lad") + "（找不到路径）");
    EXPECT_EQ(document.path(), file("a.lad"));
    EXPECT_TRUE(document.hasUnsavedChanges(ladder));
}

#ifndef _WIN32
// A write that fails half-way (the file-size limit stands in for a full
// disk) must not touch the earlier file. In a child, so that the limit binds
// only there.
TEST_F(DrawingSave, AWriteThatFailsHalfWayKeepsTheEarlierFile) {
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    const std::string old = readBytes(file("a.lad"));
    ladder.Text1 = std::string(200000, 'L');
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        ui.messages.clear();
        const bool failed = !saveDrawing(ladder, document);
        const bool told = ui.messages.size() == 1 && ui.messages[0].text == "无法保存图纸：" + file("a.lad") + "（文件太大）";
        _exit(failed && told ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the save died by a signal";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported";
    EXPECT_EQ(readBytes(file("a.lad")), old);
    EXPECT_EQ(entries(dir), std::set<std::string>{"a.lad"});
}
#endif

TEST_F(DrawingSave, ADrawingTooLargeForTheFileIsNotSaved) {
    drawRung();
    ladder.Text1 = std::string((2u << 20) + 1, 'L');
    expectSaveFails(file("a.lad"), "无法保存图纸“" + file("a.lad") + "”：语句表的文字超过了 2 MiB。");
    // Every text the file may hold is saved and opens again.
    ladder.Text1 = std::string(2u << 20, '\x01');  // written four times as long
    expectSaveFails(file("a.lad"), "无法保存图纸“" + file("a.lad") + "”：图纸文件会超过 8 MiB。");
    ladder.Text1 = std::string(2u << 20, 'L');
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    press(12);
    ASSERT_TRUE(openDrawing(ladder, document, file("a.lad")));
    EXPECT_EQ(ladder.Text1.size(), 2u << 20);
}

// The question before leaving.
TEST_F(DrawingSave, NoQuestionWhenNothingIsDrawn) {
    EXPECT_TRUE(mayLeave(ladder, document));
    ladder.Text1 = "typed";  // on an empty sheet
    EXPECT_TRUE(mayLeave(ladder, document));
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    EXPECT_TRUE(mayLeave(ladder, document));
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(DrawingSave, SaveAsksForAFileWhereThereIsNone) {
    drawRung();
    ui.answers = {UserInterface::SaveAnswer::Save};
    ui.paths = {file("new.lad")};
    EXPECT_TRUE(mayLeave(ladder, document));
    EXPECT_EQ(ui.questions, std::vector<std::string>{"图纸已修改，是否保存？"});
    EXPECT_EQ(readBytes(file("new.lad")), writeDrawing(captureDrawing(ladder)));
    // Cancelling the file dialog stays.
    press(1, "X03");
    Document fresh;
    ui.answers = {UserInterface::SaveAnswer::Save};
    EXPECT_FALSE(mayLeave(ladder, fresh));
}

TEST_F(DrawingSave, SaveWritesTheDrawingsFileAndGoesOn) {
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    press(1, "X03");
    ui.answers = {UserInterface::SaveAnswer::Save};
    EXPECT_TRUE(mayLeave(ladder, document));
    EXPECT_EQ(readBytes(file("a.lad")), writeDrawing(captureDrawing(ladder)));
}

TEST_F(DrawingSave, ASaveThatFailsStays) {
    drawRung();
    ui.answers = {UserInterface::SaveAnswer::Save};
    ui.paths = {file("missing/a.lad")};
    EXPECT_FALSE(mayLeave(ladder, document));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(DrawingSave, DontSaveGoesOnAndCancelStays) {
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    const std::string saved = readBytes(file("a.lad"));
    press(1, "X03");
    ui.answers = {UserInterface::SaveAnswer::DontSave, UserInterface::SaveAnswer::Cancel};
    EXPECT_TRUE(mayLeave(ladder, document));
    EXPECT_FALSE(mayLeave(ladder, document));
    EXPECT_EQ(readBytes(file("a.lad")), saved);
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(DrawingSave, OpeningAnotherDrawingAsksFirst) {
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    press(12);
    press(1, "X07");
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("b.lad")));
    press(5, "X08");
    const DrawingState changed = captureDrawing(ladder);
    // 取消: no file dialog, nothing opened.
    ui.answers = {UserInterface::SaveAnswer::Cancel};
    ui.paths = {file("a.lad")};
    EXPECT_FALSE(openDrawingAsked(ladder, document));
    EXPECT_TRUE(sameDrawing(ladder, changed));
    EXPECT_EQ(ui.paths.size(), 1u);
    // 保存: the change goes to b.lad, then a.lad opens.
    ui.answers = {UserInterface::SaveAnswer::Save};
    EXPECT_TRUE(openDrawingAsked(ladder, document));
    EXPECT_EQ(document.path(), file("a.lad"));
    EXPECT_EQ(readBytes(file("b.lad")), writeDrawing(changed));
    // Nothing changed since: no question.
    ui.paths = {file("b.lad")};
    EXPECT_TRUE(openDrawingAsked(ladder, document));
    EXPECT_EQ(ui.questions.size(), 2u);
}

}  // namespace
}  // namespace lp::test
