// Export under faults: every failure shows "无法写入文件：", the full path
// and the system's reason in brackets, changes nothing else, leaves any earlier file exactly as it was and
// leaves no temporary file behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "hardening/ExportCheck.h"
#include "hardening/HardeningPaths.h"
#include "hardening/ProcessRun.h"
#include "sheet/Ladder.h"
#include "statement/Convert.h"
#include "statement/ExportDir.h"
#include "support/FakeUserInterface.h"

namespace lp::hardening {
namespace {

namespace fs = std::filesystem;

const std::string kOldFile = "LD  OLD\r\nEND\r\n\r\n";

class ExportFaults : public ::testing::Test {
protected:
    ExportFaults() : ladder(ui) {
        ladder.Form_Load();
        ladder.Form_Activate();
        ladder.Text1 = "LD  X01\r\nOUT Y01\r\nEND\r\n";
    }

    std::string target(const std::string& folder) const { return folder + "/" + kExportFileName; }

    // Exports into `folder` and expects the failure message and nothing else.
    void expectFailure(const std::string& folder, const std::string& reason) {
        const std::string text1 = ladder.Text1;
        const std::string enabled = ladder.palette.enabledString();
        const std::string visible = ladder.palette.visibleString();
        const std::set<std::string> entries = entriesOf(folder);
        ladder.exportDir = folder;
        Command19_Click(ladder);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "无法写入文件：" + target(folder) + "（" + reason + "）");
        EXPECT_EQ(ui.messages[0].caption, "梯形图编辑器");
        EXPECT_EQ(ladder.Text1, text1);
        EXPECT_EQ(ladder.palette.enabledString(), enabled);
        EXPECT_EQ(ladder.palette.visibleString(), visible);
        EXPECT_EQ(entriesOf(folder), entries) << "the failed export left something behind in " << folder;
    }

    static std::set<std::string> entriesOf(const std::string& folder) {
        std::set<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) names.insert(entry.path().filename().string());
        return names;
    }

    static void expectNoTemporaryFiles(const std::string& folder) {
        EXPECT_EQ(entriesOf(folder), std::set<std::string>{kExportFileName}) << "left behind in " << folder;
    }

    test::FakeUserInterface ui;
    Ladder ladder;
    TempDir dir;
};

TEST_F(ExportFaults, AMissingFolder) {
    const std::string missing = dir.path() + "/not-there";
    expectFailure(missing, "找不到路径");
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ExportFaults, AFolderWhereTheFileShouldBe) {
    fs::create_directory(target(dir.path()));
    fs::create_directory(target(dir.path()) + "/inside");
    expectFailure(dir.path(), "这个名字是一个文件夹，不是普通文件");
    EXPECT_TRUE(fs::is_directory(target(dir.path()) + "/inside"));
}

TEST_F(ExportFaults, AFileWhereTheFolderShouldBe) {
    const std::string file = dir.path() + "/plain-file";
    ASSERT_TRUE(writeFileBytes(file, "x"));
    expectFailure(file, "路径中有一部分不是文件夹");
    EXPECT_EQ(readFileBytes(file), "x");
}

TEST_F(ExportFaults, AReadOnlyFolderKeepsTheEarlierFile) {
    ASSERT_TRUE(writeFileBytes(target(dir.path()), kOldFile));
    const std::set<std::string> entries = entriesOf(dir.path());
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (geteuid() != 0) {
        expectFailure(dir.path(), "拒绝访问，权限不够");
    } else {
        // Root may write anywhere: export as an ordinary user, in a child.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
            ladder.exportDir = dir.path();
            Command19_Click(ladder);
            const bool told = ui.messages.size() == 1 &&
                              ui.messages[0].text == "无法写入文件：" + target(dir.path()) + "（拒绝访问，权限不够）";
            _exit(told ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "the export died by a signal";
        if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot become an ordinary user here";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the refused write was not reported";
    }
    EXPECT_EQ(readFileBytes(target(dir.path())), kOldFile);
    EXPECT_EQ(entriesOf(dir.path()), entries);
}

// A write that fails half-way (the file-size limit stands in for a full
// disk: write() fails with EFBIG after the first bytes) must not touch the
// earlier file. Run in a child process, so the limit binds only there.
TEST_F(ExportFaults, AWriteThatFailsHalfWayKeepsTheEarlierFile) {
    ASSERT_TRUE(writeFileBytes(target(dir.path()), kOldFile));
    ladder.Text1 = std::string(200000, 'L');
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        ladder.exportDir = dir.path();
        Command19_Click(ladder);
        const bool told =
            ui.messages.size() == 1 && ui.messages[0].text == "无法写入文件：" + target(dir.path()) + "（文件太大）";
        _exit(told ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the export died by a signal";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported";
    EXPECT_EQ(readFileBytes(target(dir.path())), kOldFile);
    expectNoTemporaryFiles(dir.path());
}

// A really full file system: a 16 KiB tmpfs (needs the right to mount).
TEST_F(ExportFaults, AFullDiskKeepsTheEarlierFile) {
    const std::string mountPoint = dir.path() + "/small";
    fs::create_directory(mountPoint);
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    struct Unmount {
        std::string at;
        ~Unmount() { umount(at.c_str()); }
    } unmount{mountPoint};
    ASSERT_TRUE(writeFileBytes(target(mountPoint), kOldFile));
    // Fill what is left.
    writeFileBytes(mountPoint + "/filler", std::string(64 * 1024, 'F'));
    ladder.Text1 = std::string(64 * 1024, 'L');
    expectFailure(mountPoint, "磁盘空间不足");
    EXPECT_EQ(readFileBytes(target(mountPoint)), kOldFile);
    // Once there is room again, the export goes through.
    fs::remove(mountPoint + "/filler");
    ui.messages.clear();
    ladder.Text1 = "END";
    ladder.exportDir = mountPoint;
    Command19_Click(ladder);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readFileBytes(target(mountPoint)), "END\r\n");
}

TEST_F(ExportFaults, AFailureDoesNotStopTheNextExport) {
    expectFailure(dir.path() + "/missing", "找不到路径");
    ui.messages.clear();
    ladder.exportDir = dir.path();
    Command19_Click(ladder);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readFileBytes(target(dir.path())), expectedExportBytes(ladder.Text1));
    // And it replaces the earlier file whole.
    ladder.Text1 = "END";
    Command19_Click(ladder);
    EXPECT_EQ(readFileBytes(target(dir.path())), "END\r\n");
    expectNoTemporaryFiles(dir.path());
}

// The documents folder is read from the user's user-dirs.dirs, a file from
// outside: whatever it holds, the export goes to a folder that exists.
TEST(DocumentsFolder, AnyUserDirsFileGivesAnExistingFolder) {
    TempDir home;
    const std::string config = home.path() + "/.config";
    fs::create_directory(config);
    fs::create_directory(home.path() + "/Docs");
    const std::string dirs = config + "/user-dirs.dirs";
    const std::vector<std::string> contents = {
        "",
        "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n",
        "XDG_DOCUMENTS_DIR=\"$HOME/Docs",             // no closing quote
        "XDG_DOCUMENTS_DIR=\"$HOME/Docs\\",           // escape at the end
        "XDG_DOCUMENTS_DIR=\"$HOMEDocs\"\n",          // not $HOME/...
        "XDG_DOCUMENTS_DIR=\"relative\"\n",
        "XDG_DOCUMENTS_DIR=\"/no/such/folder\"\n",
        std::string("XDG_DOCUMENTS_DIR=\"$HOME/D\0cs\"\n", 31),
        "XDG_DOCUMENTS_DIR=\"\xff\xfe\"\n",
        std::string(2u << 20, 'X'),                    // one huge line
        std::string(4096, '\n'),
    };
    for (const std::string& content : contents) {
        ASSERT_TRUE(writeFileBytes(dirs, content));
        const std::string folder = documentsFolder(home.path(), "");
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
    }
    // A folder where the file should be.
    fs::remove(dirs);
    fs::create_directory(dirs);
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path());
}

}  // namespace
}  // namespace lp::hardening
