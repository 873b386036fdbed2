// The export on Windows: into a folder of the Wine prefix through a
// temporary file moved over the target, and its faults, each answered by the
// message naming the full path, the earlier file left whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "WindowsFixtures.h"
#include "sheet/Ladder.h"
#include "statement/AtomicFile.h"
#include "statement/Convert.h"
#include "statement/ExportDir.h"
#include "support/FakeUserInterface.h"

namespace lp::test {
namespace {

// "PREFIX（the system's reason）": the reason is the system's own words.
void expectMessageWithReason(const std::string& text, const std::string& prefix) {
    ASSERT_GT(text.size(), prefix.size() + 6) << text;
    EXPECT_EQ(text.substr(0, prefix.size() + 3), prefix + "（") << text;
    EXPECT_EQ(text.substr(text.size() - 3), "）") << text;
}

const std::string kName = "生成的语句表.txt";

// The names in a folder, sorted, each followed by ';'.
std::string listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(pathFromText(folder)))
        names.push_back(textFromWide(entry.path().filename().wstring()));
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names) out += n + ";";
    return out;
}

class WindowsExport : public ::testing::Test {
protected:
    PrefixFolder dir{"导出"};
    FakeUserInterface ui;
    Ladder ladder{ui};

    void SetUp() override {
        ladder.exportDir = dir.path();
        ladder.Text1 = "LD  X01\r\nOUT 灯１\r\nEND\r\n";
    }

    void expectFailureNaming(const std::string& path) {
        ASSERT_EQ(ui.messages.size(), 1u);
        expectMessageWithReason(ui.messages[0].text, "无法写入文件：" + path);
        EXPECT_EQ(ui.messages[0].caption, "梯形图编辑器");
        EXPECT_EQ(ladder.Text1, "LD  X01\r\nOUT 灯１\r\nEND\r\n");
    }
};

TEST_F(WindowsExport, WritesTheListInGb18030IntoTheFolderAndNothingElse) {
    Command19_Click(ladder);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readBytes(dir / kName), "LD  X01\r\nOUT \xB5\xC6\xA3\xB1\r\nEND\r\n\r\n");
    EXPECT_EQ(listing(dir.path()), kName + ";");
    // Again, shorter: the file is replaced, no temporary file stays.
    ladder.Text1 = "END\r\n";
    Command19_Click(ladder);
    EXPECT_EQ(readBytes(dir / kName), "END\r\n\r\n");
    EXPECT_EQ(listing(dir.path()), kName + ";");
}

TEST_F(WindowsExport, AMissingFolder) {
    ladder.exportDir = dir / "缺少";
    Command19_Click(ladder);
    expectFailureNaming(dir.path() + "\\缺少\\" + kName);
    EXPECT_EQ(listing(dir.path()), "");
}

TEST_F(WindowsExport, AFolderWhereTheFileShouldBe) {
    std::filesystem::create_directory(pathFromText(dir / kName));
    writeBytes(dir / kName + "\\inside", "keep");
    Command19_Click(ladder);
    expectFailureNaming(dir / kName);
    EXPECT_EQ(readBytes(dir / kName + "\\inside"), "keep");
    EXPECT_EQ(listing(dir.path()), kName + ";");
}

TEST_F(WindowsExport, AFileWhereTheFolderShouldBe) {
    writeBytes(dir / "file", "keep");
    ladder.exportDir = dir / "file";
    Command19_Click(ladder);
    expectFailureNaming(dir / "file\\" + kName);
    EXPECT_EQ(readBytes(dir / "file"), "keep");
}

TEST_F(WindowsExport, AReadOnlyFileIsKeptAsItWas) {
    writeBytes(dir / kName, "the earlier list");
    ASSERT_TRUE(::SetFileAttributesW(wideFromText(dir / kName).c_str(), FILE_ATTRIBUTE_READONLY));
    Command19_Click(ladder);
    expectFailureNaming(dir / kName);
    EXPECT_EQ(readBytes(dir / kName), "the earlier list");
    EXPECT_EQ(listing(dir.path()), kName + ";");
}

TEST_F(WindowsExport, AFileInUseIsKeptAsItWas) {
    writeBytes(dir / kName, "the earlier list");
    // Another program holds the file open and shares it with no one.
    HANDLE held = ::CreateFileW(wideFromText(dir / kName).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Command19_Click(ladder);
    ::CloseHandle(held);
    expectFailureNaming(dir / kName);
    EXPECT_EQ(readBytes(dir / kName), "the earlier list");
    EXPECT_EQ(listing(dir.path()), kName + ";");
    // Once it is free again, the next export works.
    ui.messages.clear();
    Command19_Click(ladder);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readBytes(dir / kName), "LD  X01\r\nOUT \xB5\xC6\xA3\xB1\r\nEND\r\n\r\n");
}

TEST_F(WindowsExport, TextThatCannotBeWrittenKeepsTheEarlierFile) {
    writeBytes(dir / kName, "the earlier list");
    ladder.Text1 = "LD  X01\r\nLD  \xED\xA0\x80";  // a lone surrogate
    Command19_Click(ladder);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "无法写入文件：" + (dir / kName) + "（第 2 行的字符 U+D800 无法用 GB18030 编码写入）");
    EXPECT_EQ(readBytes(dir / kName), "the earlier list");
    EXPECT_EQ(listing(dir.path()), kName + ";");
}

TEST(WindowsExportPath, IsTheFileInDriveDWhenNoFolderIsGiven) {
    EXPECT_EQ(exportFilePath(""), "D:\\" + kName);
}

TEST(WindowsExportPath, JoinsAFolderGivenAndMakesARelativeOneFull) {
    EXPECT_EQ(exportFilePath("C:\\列表"), "C:\\列表\\" + kName);
    EXPECT_EQ(exportFilePath("C:\\列表\\"), "C:\\列表\\" + kName);
    EXPECT_EQ(exportFilePath("C:/lists/./a/../b"), "C:\\lists\\b\\" + kName);
    const std::string cwd = textFromWide(std::filesystem::current_path().wstring());
    EXPECT_EQ(exportFilePath("out"), cwd + "\\out\\" + kName);
}

TEST(WindowsExportPath, AMissingDriveDIsAFailureNamingThePath) {
    if (::GetDriveTypeW(L"D:\\") != DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "this prefix has a drive D:";
    FakeUserInterface ui;
    Ladder ladder{ui};
    ladder.Text1 = "END\r\n";
    Command19_Click(ladder);
    ASSERT_EQ(ui.messages.size(), 1u);
    expectMessageWithReason(ui.messages[0].text, "无法写入文件：D:\\" + kName);
}

TEST(WindowsReplaceFile, WritesExactlyTheBytesGiven) {
    PrefixFolder dir;
    const std::string bytes("a\r\n\0b\xFF\n", 7);
    EXPECT_EQ(replaceFile(dir / "out.txt", bytes), "");
    EXPECT_EQ(readBytes(dir / "out.txt"), bytes);
    EXPECT_EQ(replaceFile(dir / "out.txt", ""), "");
    EXPECT_EQ(readBytes(dir / "out.txt"), "");
    EXPECT_EQ(listing(dir.path()), "out.txt;");
}

}  // namespace
}  // namespace lp::test
