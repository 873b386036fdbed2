// Saving and opening loses nothing: random palette sessions, each cut at a
// random step, saved there by one replay run and opened by a new replay
// process that plays the rest, print what the uncut session prints and
// export the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "ReplaySession.h"
#include "hardening/ExportCheck.h"
#include "hardening/HardeningPaths.h"
#include "hardening/ProcessRun.h"
#include "hardening/RandomPaletteSession.h"

namespace lp::hardening {
namespace {

namespace fs = std::filesystem;

struct ReplayRun {
    int status = -1;
    std::string out, err;
};

ReplayRun replayHere(const std::string& script, const std::string& exportDir) {
    std::istringstream in(script);
    std::ostringstream out, err;
    ReplayOptions options;
    options.exportDir = exportDir;
    const int status = runReplay(in, out, err, options);
    return {status, out.str(), err.str()};
}

std::string join(const std::vector<std::string>& steps, std::size_t from, std::size_t to) {
    std::string s;
    for (std::size_t i = from; i < to; ++i) s += steps[i];
    return s;
}

std::size_t sessionCount() {
    if (const char* n = std::getenv("LADDERPAD_ROUND_TRIPS"); n && *n) return std::strtoul(n, nullptr, 10);
    return 2000;
}

TEST(DrawingRoundTrip, ACutSessionSavedAndOpenedInANewProcessEndsAsTheUncutOne) {
    const std::string tool = replayToolPath();
    ASSERT_TRUE(fs::exists(tool)) << tool;
    TempDir dir;
    std::mt19937_64 rng(20261209);
    const std::size_t count = sessionCount();
    std::size_t withExport = 0, withConversion = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const uint64_t seed = rng();
        const std::size_t length = std::uniform_int_distribution<std::size_t>(1, 160)(rng);
        const std::vector<std::string> steps = randomPaletteSession(seed, length);
        const std::size_t cut = std::uniform_int_distribution<std::size_t>(0, steps.size())(rng);
        const std::string where = "session " + std::to_string(k) + " (seed " + std::to_string(seed) + "), cut at step " +
                                  std::to_string(cut) + " of " + std::to_string(steps.size());

        const std::string whole = dir.path() + "/whole", first = dir.path() + "/first", second = dir.path() + "/second";
        for (const std::string& d : {whole, first, second}) {
            fs::remove_all(d);
            fs::create_directory(d);
        }
        const std::string drawing = dir.path() + "/cut.lad";
        fs::remove(drawing);

        const ReplayRun uncut = replayHere(join(steps, 0, steps.size()), whole);
        ASSERT_EQ(uncut.status, 0) << where << "\n" << uncut.err;
        const ReplayRun before = replayHere(join(steps, 0, cut) + "save " + drawing + "\n", first);
        ASSERT_EQ(before.status, 0) << where << "\n" << before.err;
        const std::string rest = dir.path() + "/rest.replay";
        ASSERT_TRUE(writeFileBytes(rest, "open " + drawing + "\n" + join(steps, cut, steps.size())));
        const ProcessOutcome after = runProcess({tool, "--export-dir", second, rest});
        ASSERT_TRUE(after.exited) << where << ": ended by signal " << after.signal;
        ASSERT_EQ(after.status, 0) << where << "\n" << after.err;
        ASSERT_EQ(before.out + after.out, uncut.out) << where;

        const std::string name = std::string("/") + kExportFileName;
        const std::optional<std::string> exported = readFileBytes(whole + name);
        const std::optional<std::string> exportedAfter = readFileBytes(second + name);
        const std::optional<std::string> exportedBefore = readFileBytes(first + name);
        ASSERT_EQ(exportedAfter ? exportedAfter : exportedBefore, exported) << where;
        withExport += exported.has_value();
        withConversion += uncut.out.find("list:\n|") != std::string::npos;
    }
    // The sessions reach what matters: lists and exports.
    EXPECT_GT(withConversion, count / 20);
    EXPECT_GT(withExport, count / 20);
}

}  // namespace
}  // namespace lp::hardening
