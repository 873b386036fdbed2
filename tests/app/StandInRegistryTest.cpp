// The registry that stands in where the system has none: it names the first
// system-information program found on the search path.
#ifndef _WIN32

#include "app/StandInRegistry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "app/KeyValue.h"
#include "app/SysInfo.h"
#include "support/FakeUserInterface.h"

namespace lp {
namespace {

class StandInRegistryTest : public ::testing::Test {
protected:
    test::TempDir first, second;

    std::string searchPath() const { return first.str() + ":" + second.str(); }
};

TEST_F(StandInRegistryTest, FindsAnExecutableOnTheSearchPath) {
    std::string program = second.write("hardinfo", "#!/bin/sh\n", 0755);
    EXPECT_EQ(findOnSearchPath("hardinfo", searchPath()), program);
    EXPECT_EQ(findSysInfoProgram(searchPath()), program);
    EXPECT_EQ(findOnSearchPath("hardinfo2", searchPath()), std::nullopt);
}

TEST_F(StandInRegistryTest, SkipsWhatCannotBeRun) {
    first.write("hardinfo", "not executable", 0644);
    std::filesystem::create_directory(first.path() / "kinfocenter");
    EXPECT_EQ(findSysInfoProgram(searchPath()), std::nullopt);
    std::string program = second.write("hardinfo", "#!/bin/sh\n", 0755);
    EXPECT_EQ(findSysInfoProgram(searchPath()), program);
}

TEST_F(StandInRegistryTest, PrefersHardinfo2ThenHardinfoThenKinfocenter) {
    std::string kinfocenter = first.write("kinfocenter", "", 0755);
    EXPECT_EQ(findSysInfoProgram(searchPath()), kinfocenter);
    std::string hardinfo = first.write("hardinfo", "", 0755);
    EXPECT_EQ(findSysInfoProgram(searchPath()), hardinfo);
    std::string hardinfo2 = second.write("hardinfo2", "", 0755);  // later folder, still preferred
    EXPECT_EQ(findSysInfoProgram(searchPath()), hardinfo2);
}

TEST_F(StandInRegistryTest, GivesFullPathsForRelativeFolders) {
    std::string program = first.write("hardinfo", "", 0755);
    auto relative = std::filesystem::relative(first.path(), std::filesystem::current_path());
    auto found = findOnSearchPath("hardinfo", "::" + relative.string());
    ASSERT_TRUE(found);
    EXPECT_TRUE(std::filesystem::path(*found).is_absolute());
    EXPECT_TRUE(std::filesystem::equivalent(*found, program));
}

TEST_F(StandInRegistryTest, NamesWithASlashAreNotSearched) {
    first.write("hardinfo", "", 0755);
    EXPECT_EQ(findOnSearchPath("../hardinfo", searchPath()), std::nullopt);
    EXPECT_EQ(findOnSearchPath("", searchPath()), std::nullopt);
}

TEST_F(StandInRegistryTest, AnswersTheFirstLookupWithTheProgram) {
    std::string program = second.write("hardinfo", "", 0755);
    StandInRegistry registry(searchPath());
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, keyVal));
    EXPECT_EQ(keyVal, program);
    // Key paths and value names match whatever their case.
    keyVal.clear();
    EXPECT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo", "path", keyVal));
    EXPECT_EQ(keyVal, program);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST_F(StandInRegistryTest, HasNoValueForTheSecondLookup) {
    second.write("hardinfo", "", 0755);
    StandInRegistry registry(searchPath());
    std::string keyVal = "held before";
    EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST_F(StandInRegistryTest, NoProgramNoValue) {
    StandInRegistry registry(searchPath());
    std::string keyVal = "held before";
    EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST_F(StandInRegistryTest, OtherKeysAndRootsCannotBeOpened) {
    StandInRegistry registry(searchPath());
    RegHandle handle = 0;
    EXPECT_EQ(registry.RegOpenKeyExA(kHKeyLocalMachine, "SOFTWARE\\Other", 0, kKeyValueAccessMask, handle),
              kErrorFileNotFound);
    EXPECT_EQ(registry.RegOpenKeyExA(0x80000001u, kSysInfoPathKey, 0, kKeyValueAccessMask, handle),
              kErrorFileNotFound);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST_F(StandInRegistryTest, ReadsLikeTheSystemRegistry) {
    std::string program = first.write("hardinfo", "", 0755);
    StandInRegistry registry(searchPath());
    RegHandle key = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(kHKeyLocalMachine, kSysInfoPathKey, 0, kKeyValueAccessMask, key),
              kErrorSuccess);
    const auto needed = static_cast<std::uint32_t>(program.size() + 1);

    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "PATH", type, nullptr, size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, needed);

    std::vector<unsigned char> small(4);
    size = 4;
    EXPECT_EQ(registry.RegQueryValueExA(key, "PATH", type, small.data(), size), kErrorMoreData);
    EXPECT_EQ(size, needed);

    std::vector<unsigned char> buffer(needed);
    size = needed;
    EXPECT_EQ(registry.RegQueryValueExA(key, "PATH", type, buffer.data(), size), kErrorSuccess);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), program + '\0');

    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorInvalidHandle);
    EXPECT_EQ(registry.RegQueryValueExA(key, "PATH", type, buffer.data(), size), kErrorInvalidHandle);
}

// Sets PATH for one test and puts it back afterwards.
class ScopedSearchPath {
public:
    explicit ScopedSearchPath(const std::string& value) {
        if (const char* old = std::getenv("PATH")) old_ = old;
        ::setenv("PATH", value.c_str(), 1);
    }
    ~ScopedSearchPath() {
        if (old_) ::setenv("PATH", old_->c_str(), 1);
        else ::unsetenv("PATH");
    }

private:
    std::optional<std::string> old_;
};

TEST_F(StandInRegistryTest, SystemRegistryLooksAtPath) {
    std::string program = second.write("hardinfo", "#!/bin/sh\n", 0755);
    ScopedSearchPath path(searchPath());
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(*makeSystemRegistry(), kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, keyVal));
    EXPECT_EQ(keyVal, program);
}

TEST_F(StandInRegistryTest, SystemStartSysInfoRunsTheProgramFound) {
    // A stand-in "hardinfo" that leaves a mark when it runs.
    std::string program = second.write("hardinfo", "#!/bin/sh\necho started > \"$0.out\"\n", 0755);
    ScopedSearchPath path(searchPath());
    test::FakeUserInterface ui;
    StartSysInfo(ui);
    EXPECT_TRUE(ui.messages.empty());
    std::string mark;
    for (int i = 0; i < 500 && mark.empty(); ++i) {
        std::ifstream in(program + ".out");
        std::getline(in, mark);
        if (mark.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(mark, "started");
}

TEST_F(StandInRegistryTest, SystemStartSysInfoWithNothingInstalled) {
    ScopedSearchPath path(searchPath());
    test::FakeUserInterface ui;
    StartSysInfo(ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "此时系统信息不可用");
    EXPECT_EQ(ui.messages[0].caption, kProgramTitle);
}

}  // namespace
}  // namespace lp

#endif
