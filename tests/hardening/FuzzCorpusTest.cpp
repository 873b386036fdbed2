// Every session kept from fuzzing (the corpus) and every input that once
// broke the program (the regressions) runs clean through the harness.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "hardening/FuzzSession.h"
#include "hardening/HardeningPaths.h"

namespace lp::hardening {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesIn(const fs::path& dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void replayAll(const fs::path& dir) {
    TempDir exportDir;
    const std::vector<fs::path> files = filesIn(dir);
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SessionOptions options;
        options.exportDir = exportDir.path();
        const SessionResult r = runSession(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), options);
        std::string found;
        for (const std::string& v : r.violations) found += v + "\n";
        EXPECT_TRUE(r.violations.empty()) << file << "\n" << r.transcript << found;
    }
}

TEST(FuzzCorpus, KeptSessionsRunClean) {
    const fs::path dir = fs::path(repositoryRoot()) / "fuzz" / "corpus";
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    replayAll(dir);
}

TEST(FuzzCorpus, EveryRegressionInputRunsClean) {
    const fs::path dir = fs::path(repositoryRoot()) / "fuzz" / "regressions";
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    replayAll(dir);
}

}  // namespace
}  // namespace lp::hardening
