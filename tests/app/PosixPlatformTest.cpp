// The real file test and program start of this system (POSIX).
#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "app/Platform.h"

namespace lp {
namespace {

using namespace std::chrono_literals;

// Waits up to `limit` for a file to appear with some contents.
std::string waitForFile(const std::filesystem::path& file, std::chrono::milliseconds limit) {
    auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        std::ifstream in(file);
        std::string text;
        if (in && std::getline(in, text) && !text.empty()) return text;
        std::this_thread::sleep_for(20ms);
    }
    return {};
}

// The state letter of a process ('Z' for a zombie), or 0 when it is gone.
char processState(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return 0;
    auto close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() ? 0 : line[close + 2];
}

// Children of this process that ended and were never reaped.
std::vector<long> zombieChildren() {
    std::vector<long> zombies;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(entry.path() / "stat");
        std::string line;
        if (!std::getline(in, line)) continue;
        auto close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        long parent = 0;
        rest >> state >> parent;
        if (state == 'Z' && parent == ::getpid()) zombies.push_back(std::stol(name));
    }
    return zombies;
}

// Waits up to `limit` for a condition.
template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds limit) {
    auto until = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

class PosixPlatformTest : public ::testing::Test {
protected:
    std::unique_ptr<Platform> platform = makeSystemPlatform();
    test::TempDir dir;
};

TEST_F(PosixPlatformTest, StartsAProgram) {
    StartResult result = platform->startProgram("/bin/true");
    EXPECT_TRUE(result.started()) << result.error.message();
}

TEST_F(PosixPlatformTest, ProgramThatEndedIsReaped) {
    StartResult result = platform->startProgram("/bin/true");
    ASSERT_TRUE(result.started());
    ASSERT_GT(result.processId, 0);
    EXPECT_TRUE(eventually([&] { return processState(result.processId) == 0; }, 10s))
        << "left as state " << processState(result.processId);
}

TEST_F(PosixPlatformTest, FailedStartLeavesNoZombie) {
    for (int i = 0; i < 3; ++i) ASSERT_FALSE(platform->startProgram(dir.str() + "/missing").started());
    EXPECT_TRUE(eventually([] { return zombieChildren().empty(); }, 10s));
}

TEST_F(PosixPlatformTest, StartedProgramRuns) {
    std::string script = dir.write("run.sh", "#!/bin/sh\necho ran > \"$0.out\"\n", 0755);
    ASSERT_TRUE(platform->startProgram(script).started());
    EXPECT_EQ(waitForFile(script + ".out", 10s), "ran");
}

TEST_F(PosixPlatformTest, DoesNotWaitForTheProgram) {
    // The program writes its process id, then would run for a minute.
    std::string script = dir.write("slow.sh", "#!/bin/sh\necho $$ > \"$0.pid\"\nexec sleep 60\n", 0755);
    auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(platform->startProgram(script).started());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 20s);
    std::string pid = waitForFile(script + ".pid", 10s);
    ASSERT_FALSE(pid.empty());
    const long running = std::stol(pid);
    const char state = processState(running);
    EXPECT_TRUE(state != 0 && state != 'Z') << state;  // still running after we returned
    ::kill(static_cast<pid_t>(running), SIGKILL);
    EXPECT_TRUE(eventually([&] { return processState(running) == 0; }, 10s));
}

TEST_F(PosixPlatformTest, FailuresToStartAreReported) {
    StartResult missing = platform->startProgram(dir.str() + "/no-such-program");
    EXPECT_FALSE(missing.started());
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);

    StartResult notExecutable = platform->startProgram(dir.write("plain.txt", "text", 0644));
    EXPECT_FALSE(notExecutable.started());
    EXPECT_EQ(notExecutable.error, std::errc::permission_denied);

    StartResult folder = platform->startProgram(dir.str());
    EXPECT_FALSE(folder.started());
    EXPECT_EQ(folder.error, std::errc::permission_denied);

    StartResult empty = platform->startProgram("");
    EXPECT_FALSE(empty.started());

    StartResult withNul = platform->startProgram(std::string("/bin/true\0x", 11));
    EXPECT_FALSE(withNul.started());
    EXPECT_EQ(withNul.error, std::errc::invalid_argument);
}

TEST_F(PosixPlatformTest, FileTestSeesOrdinaryFilesOnly) {
    std::string file = dir.write("MSINFO32.EXE", "x", 0644);
    EXPECT_TRUE(platform->fileExists(file));
    EXPECT_FALSE(platform->fileExists(dir.str()));
    EXPECT_FALSE(platform->fileExists(dir.str() + "/other"));
    EXPECT_FALSE(platform->fileExists(""));
    EXPECT_FALSE(platform->fileExists(file + std::string(1, '\0') + "x"));
}

}  // namespace
}  // namespace lp

#endif
