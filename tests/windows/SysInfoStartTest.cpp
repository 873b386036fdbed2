// The about box's system-information button against the registry and the
// program start of the system itself: the two keys are written under
// HKEY_LOCAL_MACHINE of the test's own Wine prefix, and the program started
// is Wine's msinfo32.exe (copied where a case needs it), ended again at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowsFixtures.h"
#include "app/Platform.h"
#include "app/SysInfo.h"
#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp::test {
namespace {

// The system's platform, recording what it was asked and ending every
// program it started.
class EndingPlatform final : public Platform {
public:
    std::vector<std::string> started;
    std::vector<std::string> failed;

    bool fileExists(const std::string& path) override { return system_->fileExists(path); }

    StartResult startProgram(const std::string& path) override {
        StartResult result = system_->startProgram(path);
        (result.started() ? started : failed).push_back(path);
        if (result.started()) end(result.processId);
        return result;
    }

private:
    static void end(long processId) {
        HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, static_cast<DWORD>(processId));
        if (!process) return;
        ::TerminateProcess(process, 0);
        ::WaitForSingleObject(process, 5000);
        ::CloseHandle(process);
    }

    std::unique_ptr<Platform> system_ = makeSystemPlatform();
};

std::string systemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    return textFromWide(std::wstring(folder, n));
}

class SysInfoStart : public ::testing::Test {
protected:
    MachineKey pathKey{kSysInfoPathKey};
    MachineKey folderKey{kSysInfoFolderKey};
    std::unique_ptr<Registry> registry = makeSystemRegistry();
    EndingPlatform platform;
    FakeUserInterface ui;
    // A folder with a Chinese name holding a copy of the program.
    PrefixFolder folder{"系统信息"};
    const std::string wineProgram = systemFolder() + "\\msinfo32.exe";
    std::string copiedProgram;

    void SetUp() override {
        ASSERT_TRUE(exists(wineProgram)) << wineProgram;
        copiedProgram = folder / "MSINFO32.EXE";
        ASSERT_TRUE(::CopyFileW(wideFromText(wineProgram).c_str(), wideFromText(copiedProgram).c_str(), TRUE));
    }

    void press() { StartSysInfo(*registry, platform, ui); }

    void expectUnavailable() {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "此时系统信息不可用");
        EXPECT_EQ(ui.messages[0].caption, kProgramTitle);
        EXPECT_TRUE(platform.started.empty());
    }
};

TEST_F(SysInfoStart, BothValuesPresentStartsTheProgramTheFirstNames) {
    pathKey.setText(kSysInfoPathValue, wineProgram);
    folderKey.setText(kSysInfoFolderValue, folder.path());
    press();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(platform.started, std::vector<std::string>{wineProgram});
}

TEST_F(SysInfoStart, OnlyTheFolderWithTheProgramInItStartsThatFile) {
    folderKey.setText(kSysInfoFolderValue, folder.path());
    press();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(platform.started, std::vector<std::string>{copiedProgram});
}

TEST_F(SysInfoStart, OnlyTheFolderWithoutTheProgramTellsTheUser) {
    PrefixFolder empty{"空"};
    folderKey.setText(kSysInfoFolderValue, empty.path());
    press();
    expectUnavailable();
    EXPECT_TRUE(platform.failed.empty());  // nothing was tried
}

TEST_F(SysInfoStart, NeitherValueTellsTheUser) {
    press();
    expectUnavailable();
    EXPECT_TRUE(platform.failed.empty());
    // The same through the about box's own call, with the system's registry.
    StartSysInfo(ui);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "此时系统信息不可用");
}

TEST_F(SysInfoStart, AFirstValueNamingAMissingProgramFailsToStartAndTellsTheUser) {
    const std::string missing = folder / "不在这里.exe";
    pathKey.setText(kSysInfoPathValue, missing);
    folderKey.setText(kSysInfoFolderValue, folder.path());  // not read
    press();
    expectUnavailable();
    EXPECT_EQ(platform.failed, std::vector<std::string>{missing});
}

TEST_F(SysInfoStart, TheProgramStartsWithoutBeingWaitedFor) {
    std::unique_ptr<Platform> system = makeSystemPlatform();
    const StartResult result = system->startProgram(copiedProgram);
    ASSERT_TRUE(result.started()) << result.error.message();
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(result.processId));
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(::WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // still running
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
}

}  // namespace
}  // namespace lp::test
