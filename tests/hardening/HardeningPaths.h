#pragma once
// Where the tests find the repository's files and the built replay tool.
#include <string>

namespace lp::hardening {

// The repository root (from LADDERPAD_TEST_DATA, the tests folder).
std::string repositoryRoot();

// The built ladderpad-replay: LADDERPAD_REPLAY when set, else the build's
// tools/replay folder next to this test program's folder.
std::string replayToolPath();

// A fresh empty folder under the system's temporary folder; removed by the
// returned object's destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace lp::hardening
