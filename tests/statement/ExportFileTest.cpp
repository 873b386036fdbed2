// Writing the exported file: replacement through a temporary file, the
// failure paths, the export command and its folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "SheetDrawing.h"
#include "TempFolder.h"
#include "statement/AtomicFile.h"
#include "statement/Convert.h"
#include "statement/ExportDir.h"

namespace lp::test {
namespace {

const std::string kName = "生成的语句表.txt";

// replaceFile ------------------------------------------------------------

TEST(ReplaceFile, CreatesTheFileWithExactlyTheBytesGiven) {
    TempFolder dir;
    const std::string bytes("a\r\n\0b\xFF", 6);
    EXPECT_EQ(replaceFile(dir / "out.txt", bytes), "");
    EXPECT_EQ(readBytes(dir / "out.txt"), bytes);
    EXPECT_EQ(dir.listing(), "out.txt;");
}

TEST(ReplaceFile, ReplacesAnExistingFileAndKeepsItsPermissions) {
    TempFolder dir;
    writeBytes(dir / "out.txt", std::string(5000, 'x'));
    ASSERT_EQ(::chmod((dir / "out.txt").c_str(), 0640), 0);
    EXPECT_EQ(replaceFile(dir / "out.txt", "short"), "");
    EXPECT_EQ(readBytes(dir / "out.txt"), "short");
    struct stat st;
    ASSERT_EQ(::stat((dir / "out.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.listing(), "out.txt;");
}

TEST(ReplaceFile, FailsWhenTheFolderDoesNotExist) {
    TempFolder dir;
    EXPECT_NE(replaceFile(dir / "missing/out.txt", "x"), "");
    EXPECT_EQ(dir.listing(), "");
}

TEST(ReplaceFile, FailsWhenTheFolderIsAFile) {
    TempFolder dir;
    writeBytes(dir / "file", "keep");
    EXPECT_NE(replaceFile(dir / "file/out.txt", "x"), "");
    EXPECT_EQ(readBytes(dir / "file"), "keep");
}

TEST(ReplaceFile, FailsWhenTheNameIsTakenByAFolderAndLeavesNoTemporaryFile) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "out.txt");
    writeBytes(dir / "out.txt/inside", "keep");
    EXPECT_NE(replaceFile(dir / "out.txt", "x"), "");
    EXPECT_EQ(dir.listing(), "out.txt;");
    EXPECT_EQ(readBytes(dir / "out.txt/inside"), "keep");
}

TEST(ReplaceFile, LeavesAFileMarkedReadOnlyAsItWas) {
    TempFolder dir;
    writeBytes(dir / "out.txt", "old");
    ASSERT_EQ(::chmod((dir / "out.txt").c_str(), 0444), 0);
    EXPECT_NE(replaceFile(dir / "out.txt", "new"), "");
    EXPECT_EQ(readBytes(dir / "out.txt"), "old");
    EXPECT_EQ(dir.listing(), "out.txt;");
}

TEST(ReplaceFile, FailsInAFolderItMayNotWriteTo) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    TempFolder dir;
    std::filesystem::create_directory(dir / "locked");
    writeBytes(dir / "locked/out.txt", "old");
    ASSERT_EQ(::chmod((dir / "locked").c_str(), 0555), 0);
    EXPECT_NE(replaceFile(dir / "locked/out.txt", "new"), "");
    EXPECT_EQ(readBytes(dir / "locked/out.txt"), "old");
    ::chmod((dir / "locked").c_str(), 0755);
}

// A write that runs out of room midway, as on a full disk: the file size
// limit makes write() fail with EFBIG after the first bytes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t oldHandler_;
};

TEST(ReplaceFile, AWriteThatRunsOutOfRoomLeavesTheOldFileWhole) {
    TempFolder dir;
    writeBytes(dir / "out.txt", "the previous list");
    {
        FileSizeLimit limit(4096);
        EXPECT_NE(replaceFile(dir / "out.txt", std::string(100000, 'y')), "");
    }
    EXPECT_EQ(readBytes(dir / "out.txt"), "the previous list");
    EXPECT_EQ(dir.listing(), "out.txt;");
}

// Command19 --------------------------------------------------------------

class Export : public ::testing::Test {
protected:
    TempFolder dir;
    TestLadder t;
    Ladder& l = t.ladder;
    void SetUp() override { l.exportDir = dir.path(); }
};

TEST_F(Export, WritesTheListBoxTextInGb18030WithCrLfAndAnEmptyLine) {
    l.Text1 = "LD  X01\r\nOUT 灯１\r\nEND\r\n";
    Command19_Click(l);
    EXPECT_EQ(readBytes(dir / kName), "LD  X01\r\nOUT \xB5\xC6\xA3\xB1\r\nEND\r\n\r\n");
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(Export, WritesWhatTheUserTypedIntoTheListBox) {
    l.StatementList = "LD  X01\r\nEND\r\n";
    l.Text1 = "LD  X01\nAND X02\rEND";
    Command19_Click(l);
    EXPECT_EQ(readBytes(dir / kName), "LD  X01\r\nAND X02\r\nEND\r\n");
}

TEST_F(Export, AnEmptyListBoxGivesOneLineEnd) {
    Command19_Click(l);
    EXPECT_EQ(readBytes(dir / kName), "\r\n");
}

TEST_F(Export, ExportingAgainReplacesTheFile) {
    l.Text1 = std::string(3000, 'a');
    Command19_Click(l);
    l.Text1 = "END\r\n";
    Command19_Click(l);
    EXPECT_EQ(readBytes(dir / kName), "END\r\n\r\n");
    EXPECT_EQ(dir.listing(), kName + ";");
}

TEST_F(Export, ChangesNothingButTheFile) {
    lay(l.sheet, 2, 1, "┣┫  ┣━");
    l.StatementList = "LD  X01\r\n";
    l.Text1 = "LD  X01\r\n";
    l.palette.setVisible(19, true);
    const std::string enabled = l.palette.enabledString(), visible = l.palette.visibleString();
    const std::string row2 = l.sheet.rowText(2);
    Command19_Click(l);
    EXPECT_EQ(l.StatementList, "LD  X01\r\n");
    EXPECT_EQ(l.Text1, "LD  X01\r\n");
    EXPECT_EQ(l.palette.enabledString(), enabled);
    EXPECT_EQ(l.palette.visibleString(), visible);
    EXPECT_EQ(l.sheet.rowText(2), row2);
}

TEST_F(Export, AFailureNamesTheFullPathAndChangesNothingElse) {
    l.exportDir = dir / "missing";
    l.Text1 = "END\r\n";
    const std::string enabled = l.palette.enabledString(), visible = l.palette.visibleString();
    Command19_Click(l);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "无法写入文件：" + dir.path() + "/missing/" + kName + "（找不到路径）");
    EXPECT_EQ(t.ui.messages[0].caption, "梯形图编辑器");
    EXPECT_EQ(l.Text1, "END\r\n");
    EXPECT_EQ(l.palette.enabledString(), enabled);
    EXPECT_EQ(l.palette.visibleString(), visible);
    EXPECT_EQ(dir.listing(), "");
}

TEST_F(Export, AFolderInTheFilesPlaceIsAFailureToo) {
    std::filesystem::create_directory(dir / kName);
    l.Text1 = "END\r\n";
    Command19_Click(l);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text,
              "无法写入文件：" + dir.path() + "/" + kName + "（这个名字是一个文件夹，不是普通文件）");
    EXPECT_TRUE(std::filesystem::is_directory(dir / kName));
    EXPECT_EQ(dir.listing(), kName + ";");
    // The program goes on: a later export to a good folder works.
    TempFolder other;
    l.exportDir = other.path();
    Command19_Click(l);
    EXPECT_EQ(readBytes(other / kName), "END\r\n\r\n");
}

TEST_F(Export, TextThatIsNotUtf8IsNotWritten) {
    writeBytes(dir / kName, "old");
    l.Text1 = "LD  X01\r\nLD  \xFF\xFE";
    Command19_Click(l);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "无法写入文件：" + dir.path() + "/" + kName +
                                         "（第 2 行的字节 0xFF 不是有效的文字，无法用 GB18030 编码写入）");
    EXPECT_EQ(readBytes(dir / kName), "old");
}

// The folder -------------------------------------------------------------

TEST(ExportFilePath, JoinsTheFolderAndTheFileName) {
    EXPECT_EQ(exportFilePath("/data/lists"), "/data/lists/" + kName);
    EXPECT_EQ(exportFilePath("/data/lists/"), "/data/lists/" + kName);
    EXPECT_EQ(exportFilePath("/"), "/" + kName);
    EXPECT_EQ(exportFilePath("/data//lists/./"), "/data/lists/" + kName);
}

TEST(ExportFilePath, TakesARelativeFolderFromTheWorkingFolder) {
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(exportFilePath("."), cwd + "/" + kName);
    EXPECT_EQ(exportFilePath("out"), cwd + "/out/" + kName);
    EXPECT_EQ(exportFilePath("./out/../lists/"), cwd + "/lists/" + kName);
}

TEST(DocumentsFolder, IsTheFolderNamedInUserDirs) {
    TempFolder home;
    std::filesystem::create_directories(home / ".config");
    std::filesystem::create_directories(home / "文档");
    writeBytes(home / ".config/user-dirs.dirs",
               "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
               "XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n");
    EXPECT_EQ(documentsFolder(home.path(), ""), home / "文档");
}

TEST(DocumentsFolder, ReadsUserDirsFromTheConfigFolderGiven) {
    TempFolder home, config, docs;
    std::filesystem::create_directories(docs / "my \"lists\"");
    writeBytes(config / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + docs.path() + "/my \\\"lists\\\"\"\n");
    EXPECT_EQ(documentsFolder(home.path(), config.path()), docs / "my \"lists\"");
    // A relative config folder is not one: the default is read instead.
    EXPECT_EQ(documentsFolder(home.path(), "relative/config"), home.path());
}

TEST(DocumentsFolder, IsTheUsualDocumentsFolderWhenNothingIsConfigured) {
    TempFolder home;
    std::filesystem::create_directories(home / "Documents");
    EXPECT_EQ(documentsFolder(home.path(), ""), home / "Documents");
    // A configured folder that is missing does not fall back to it.
    std::filesystem::create_directories(home / ".config");
    writeBytes(home / ".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n");
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path());
}

TEST(DocumentsFolder, IsTheHomeFolderWhenThereIsNone) {
    TempFolder home;
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path());  // no user-dirs.dirs

    std::filesystem::create_directories(home / ".config");
    writeBytes(home / ".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path());  // named, but missing

    writeBytes(home / ".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME\"\n");
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path());  // the home folder itself

    std::filesystem::create_directories(home / "Documents");
    writeBytes(home / ".config/user-dirs.dirs",
               "#XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\nXDG_DOCUMENTS_DIR=\"Documents\"\n");
    // Commented out, or relative: nothing is configured, so the usual folder.
    EXPECT_EQ(documentsFolder(home.path(), ""), home / "Documents");
}

class Environment {
public:
    Environment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old, had_ = true;
        ::setenv(name, value.c_str(), 1);
    }
    ~Environment() {
        if (had_)
            ::setenv(name_, saved_.c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::string saved_;
    bool had_ = false;
};

TEST(DefaultExportDir, FollowsHomeAndTheConfigFolder) {
    TempFolder home, config;
    std::filesystem::create_directories(home / "Dokumente");
    writeBytes(config / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    Environment homeVar("HOME", home.path());
    {
        Environment configVar("XDG_CONFIG_HOME", config.path());
        EXPECT_EQ(defaultExportDir(), home / "Dokumente");
        EXPECT_EQ(exportFilePath(""), home / "Dokumente" + "/" + kName);
    }
    Environment noConfig("XDG_CONFIG_HOME", "");
    EXPECT_EQ(defaultExportDir(), home.path());
}

}  // namespace
}  // namespace lp::test
