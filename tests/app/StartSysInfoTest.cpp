// The about box's system-information button: which lookups it makes, what it
// starts, and when it tells the user the tool is unavailable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "FakeRegistry.h"
#include "app/SysInfo.h"
#include "support/FakeUserInterface.h"

namespace lp {
namespace {

using Strings = std::vector<std::string>;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kProgram = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kProgramInFolder = kFolder + "\\MSINFO32.EXE";

class StartSysInfoTest : public ::testing::Test {
protected:
    test::FakeRegistry registry;
    test::FakePlatform platform;
    test::FakeUserInterface ui;

    void run() { StartSysInfo(registry, platform, ui); }

    void expectUnavailableMessage() {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "此时系统信息不可用");
        EXPECT_EQ(ui.messages[0].caption, "梯形图编辑器");
    }
};

TEST_F(StartSysInfoTest, BothValuesPresentStartsTheFirstAndReadsNoFurther) {
    registry.setText(kPathKey, "PATH", kProgram);
    registry.setText(kFolderKey, "MSINFO", "D:\\Elsewhere");
    platform.programs = {kProgram, "D:\\Elsewhere\\MSINFO32.EXE"};
    platform.files = {"D:\\Elsewhere\\MSINFO32.EXE"};
    run();
    EXPECT_EQ(platform.startAttempts, Strings{kProgram});
    EXPECT_EQ(registry.openedPaths(), Strings{kPathKey});
    EXPECT_TRUE(platform.fileTests.empty());  // the first value is started as read
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(registry.closedExactlyWhenOpened());
}

TEST_F(StartSysInfoTest, LookupsUseTheLocalMachineRoot) {
    run();
    ASSERT_EQ(registry.opens.size(), 2u);
    for (const auto& open : registry.opens) EXPECT_EQ(open.root, 0x80000002u);
    ASSERT_EQ(registry.queries.size(), 0u);  // neither key exists
}

TEST_F(StartSysInfoTest, OnlySecondValueAndTheFileExists) {
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.files = {kProgramInFolder};
    platform.programs = {kProgramInFolder};
    run();
    EXPECT_EQ(registry.openedPaths(), (Strings{kPathKey, kFolderKey}));
    EXPECT_EQ(platform.fileTests, Strings{kProgramInFolder});
    EXPECT_EQ(platform.startAttempts, Strings{kProgramInFolder});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(registry.closedExactlyWhenOpened());
}

TEST_F(StartSysInfoTest, FirstKeyWithoutItsValueFallsToTheSecond) {
    registry.keys[kPathKey];  // the key exists, the value does not
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.files = {kProgramInFolder};
    platform.programs = {kProgramInFolder};
    run();
    ASSERT_EQ(registry.queries.size(), 2u);
    EXPECT_EQ(registry.queries[0].valueName, "PATH");
    EXPECT_EQ(registry.queries[1].valueName, "MSINFO");
    EXPECT_EQ(platform.startAttempts, Strings{kProgramInFolder});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(registry.closedExactlyWhenOpened());
}

TEST_F(StartSysInfoTest, FirstValueOverTheBufferFallsToTheSecond) {
    registry.setText(kPathKey, "PATH", std::string(1100, 'x'));
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.files = {kProgramInFolder};
    platform.programs = {kProgramInFolder};
    run();
    EXPECT_EQ(platform.startAttempts, Strings{kProgramInFolder});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartSysInfoTest, OnlySecondValueAndTheFileIsMissing) {
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.programs = {kProgramInFolder};  // would start, but the test finds no file
    run();
    EXPECT_EQ(platform.fileTests, Strings{kProgramInFolder});
    EXPECT_TRUE(platform.startAttempts.empty());
    expectUnavailableMessage();
    EXPECT_TRUE(registry.closedExactlyWhenOpened());
}

TEST_F(StartSysInfoTest, NeitherValuePresent) {
    registry.keys[kPathKey];
    registry.keys[kFolderKey];
    run();
    EXPECT_EQ(registry.openedPaths(), (Strings{kPathKey, kFolderKey}));
    EXPECT_TRUE(platform.fileTests.empty());
    EXPECT_TRUE(platform.startAttempts.empty());
    expectUnavailableMessage();
    EXPECT_TRUE(registry.closedExactlyWhenOpened());
}

TEST_F(StartSysInfoTest, RegistryThatCannotBeOpened) {
    registry.openError = kErrorAccessDenied;
    run();
    EXPECT_EQ(registry.openedPaths(), (Strings{kPathKey, kFolderKey}));
    EXPECT_TRUE(platform.startAttempts.empty());
    expectUnavailableMessage();
    EXPECT_TRUE(registry.closes.empty());
}

TEST_F(StartSysInfoTest, FirstValueNamingAMissingProgram) {
    registry.setText(kPathKey, "PATH", "C:\\Gone\\msinfo32.exe");
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.files = {kProgramInFolder};
    platform.programs = {kProgramInFolder};
    run();
    EXPECT_EQ(platform.startAttempts, Strings{"C:\\Gone\\msinfo32.exe"});
    EXPECT_EQ(registry.openedPaths(), Strings{kPathKey});  // no second try after a failed start
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, EmptyFirstValueIsStartedAndFails) {
    registry.setText(kPathKey, "PATH", "");
    run();
    EXPECT_EQ(platform.startAttempts, Strings{""});
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, ProgramInTheFolderThatFailsToStart) {
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.files = {kProgramInFolder};
    run();
    EXPECT_EQ(platform.startAttempts, Strings{kProgramInFolder});
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, FailingRegistryCallGivesTheMessage) {
    registry.setText(kPathKey, "PATH", kProgram);
    registry.throwOnQuery = true;
    platform.programs = {kProgram};
    run();
    EXPECT_TRUE(platform.startAttempts.empty());
    expectUnavailableMessage();
    EXPECT_TRUE(registry.closedExactlyWhenOpened());
}

TEST_F(StartSysInfoTest, FailingFileTestGivesTheMessage) {
    registry.setText(kFolderKey, "MSINFO", kFolder);
    platform.throwOnFileTest = true;
    platform.programs = {kProgramInFolder};
    run();
    EXPECT_TRUE(platform.startAttempts.empty());
    expectUnavailableMessage();
}

TEST_F(StartSysInfoTest, EachPressLooksUpAgain) {
    run();
    expectUnavailableMessage();
    registry.setText(kPathKey, "PATH", kProgram);
    platform.programs = {kProgram};
    run();
    EXPECT_EQ(platform.startAttempts, Strings{kProgram});
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace lp
