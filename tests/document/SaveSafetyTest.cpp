// Saving never harms what is already there: links are followed and kept,
// long names save, what is not a plain file is refused and named, every
// drawing the reader accepts is written again, and temporary files left by
// a process that is gone are cleared away.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "document/DocumentCommands.h"
#include "document/DrawingFile.h"
#include "document/DrawingFixture.h"
#include "statement/AtomicFile.h"
#include "statement/Convert.h"
#include "statement/ExportDir.h"

namespace lp::test {
namespace {

namespace fs = std::filesystem;

class SaveSafety : public DrawingTest {
protected:
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
        return names;
    }
    // Saves to `path` and expects exactly `message` and nothing saved.
    void expectRefused(const std::string& path, const std::string& message) {
        ui.messages.clear();
        EXPECT_FALSE(saveDrawingTo(ladder, document, path));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, message);
    }
};

TEST_F(SaveSafety, SavingThroughASymbolicLinkWritesItsTargetAndKeepsTheLink) {
    fs::create_directory(dir / "real");
    writeBytes(file("real/a.lad"), "old");
    fs::create_symlink("real/a.lad", dir / "link.lad");
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("link.lad")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.lad")));
    EXPECT_EQ(fs::read_symlink(dir / "link.lad"), fs::path("real/a.lad"));
    const std::string saved = readBytes(file("real/a.lad"));
    EXPECT_NE(saved, "old");
    EXPECT_EQ(readBytes(file("link.lad")), saved);
    EXPECT_EQ(entries(), (std::set<std::string>{"link.lad", "real"}));
    // A chain of links ends in the same file.
    fs::create_symlink("link.lad", dir / "chain.lad");
    press(1, "X03");
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("chain.lad")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "chain.lad")));
    EXPECT_NE(readBytes(file("real/a.lad")), saved);
}

TEST_F(SaveSafety, ALoopOfSymbolicLinksIsNamedWhenOpeningAndSaving) {
    fs::create_symlink("b.lad", dir / "a.lad");
    fs::create_symlink("a.lad", dir / "b.lad");
    drawRung();
    expectRefused(file("a.lad"), "无法保存图纸：" + file("a.lad") + "（符号链接构成循环）");
    ui.messages.clear();
    EXPECT_FALSE(openDrawing(ladder, document, file("a.lad")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "无法打开图纸“" + file("a.lad") + "”：符号链接构成循环。");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "a.lad")));
}

TEST_F(SaveSafety, NamesUpToTheSystemsLimitSave) {
    drawRung();
    for (const std::size_t bytes : {243u, 250u, 255u}) {
        const std::string name = std::string(bytes - 4, 'n') + ".lad";
        ASSERT_TRUE(saveDrawingTo(ladder, document, file(name))) << bytes;
        EXPECT_TRUE(fs::is_regular_file(dir / name));
    }
    // Chinese names count bytes too: 83 characters of three bytes each.
    std::string chinese;
    for (int i = 0; i < 83; ++i) chinese += "图";
    chinese.resize(chinese.size() - 3);
    chinese += ".l";
    ASSERT_TRUE(saveDrawingTo(ladder, document, file(chinese)));
    EXPECT_EQ(entries().size(), 4u) << "a temporary file was left behind";
}

TEST_F(SaveSafety, ANamedPipeIsRefusedAndStays) {
    ASSERT_EQ(::mkfifo(file("pipe.lad").c_str(), 0600), 0);
    drawRung();
    expectRefused(file("pipe.lad"), "无法保存图纸：" + file("pipe.lad") + "（这个名字是一个命名管道，不是普通文件）");
    struct stat st;
    ASSERT_EQ(::lstat(file("pipe.lad").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    // The export refuses it too.
    ASSERT_EQ(::mkfifo(file(kExportFileName).c_str(), 0600), 0);
    ladder.exportDir = dir.string();
    ui.messages.clear();
    Command19_Click(ladder);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "无法写入文件：" + file(kExportFileName) + "（这个名字是一个命名管道，不是普通文件）");
    ASSERT_EQ(::lstat(file(kExportFileName).c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(SaveSafety, ADeviceIsRefused) {
    if (!fs::exists("/dev/null")) GTEST_SKIP() << "no /dev/null here";
    fs::create_symlink("/dev/null", dir / "null.lad");
    drawRung();
    expectRefused(file("null.lad"), "无法保存图纸：" + file("null.lad") + "（这个名字是一个设备，不是普通文件）");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(SaveSafety, AListBoxOfManyLinesSavesAndOpensAgainUnchanged) {
    drawRung();
    std::string text;
    for (int line = 0; line < 800000; ++line) text += line % 1000 == 0 ? "LD  X01\r\n" : "\r\n";
    ladder.Text1 = text;
    ladder.StatementList = text;
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("long.lad"))) << (ui.messages.empty() ? "" : ui.messages[0].text);
    press(12);
    ASSERT_TRUE(openDrawing(ladder, document, file("long.lad"))) << (ui.messages.empty() ? "" : ui.messages.back().text);
    EXPECT_EQ(ladder.Text1, text);
    EXPECT_EQ(ladder.StatementList, text);
}

TEST_F(SaveSafety, TemporaryFilesOfAProcessThatIsGoneAreRemoved) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    const std::string stale = std::string(kTempFilePrefix) + std::to_string(child) + "-0.tmp";
    const std::string live = std::string(kTempFilePrefix) + std::to_string(::getppid()) + "-0.tmp";
    writeBytes(file(stale), "left by a killed save");
    writeBytes(file(live), "another copy still running");
    writeBytes(file("notes.tmp"), "the user's");
    drawRung();
    ASSERT_TRUE(saveDrawingTo(ladder, document, file("a.lad")));
    EXPECT_EQ(entries(), (std::set<std::string>{"a.lad", live, "notes.tmp"}));
}

TEST_F(SaveSafety, ExportFailuresSayWhy) {
    ladder.Text1 = "LD  X01\r\nEND\r\n";
    ladder.exportDir = file("missing");
    Command19_Click(ladder);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "无法写入文件：" + file("missing/" + std::string(kExportFileName)) + "（找不到路径）");

    // A text from a damaged paste: a lone surrogate on the second line.
    ui.messages.clear();
    ladder.exportDir = dir.string();
    ladder.Text1 = "LD  X01\r\nOUT \xED\xA0\x80\r\nEND\r\n";
    Command19_Click(ladder);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "无法写入文件：" + file(kExportFileName) + "（第 2 行的字符 U+D800 无法用 GB18030 编码写入）");

    if (::geteuid() == 0) return;  // permission bits do not stop root
    ui.messages.clear();
    ladder.Text1 = "END\r\n";
    fs::create_directory(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    ladder.exportDir = file("locked");
    Command19_Click(ladder);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "无法写入文件：" + file("locked/" + std::string(kExportFileName)) + "（拒绝访问，权限不够）");
    fs::permissions(dir / "locked", fs::perms::owner_all);
}

}  // namespace
}  // namespace lp::test
