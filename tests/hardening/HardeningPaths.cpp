#include "hardening/HardeningPaths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace lp::hardening {

namespace fs = std::filesystem;

std::string repositoryRoot() {
    const char* tests = std::getenv("LADDERPAD_TEST_DATA");
    if (tests && *tests) return fs::path(tests).parent_path().string();
    return fs::path(__FILE__).parent_path().parent_path().parent_path().string();
}

std::string replayToolPath() {
#ifdef LADDERPAD_REPLAY_PATH
    return LADDERPAD_REPLAY_PATH;
#else
    if (const char* set = std::getenv("LADDERPAD_REPLAY"); set && *set) return set;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return (self.parent_path().parent_path() / "tools" / "replay" / "ladderpad-replay").string();
#endif
}

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "ladderpad-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // A test may have made the folder read-only; give the rights back first.
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& entry : fs::recursive_directory_iterator(path_, ec))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

}  // namespace lp::hardening
