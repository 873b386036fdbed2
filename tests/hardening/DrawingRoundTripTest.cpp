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

// The output with the blank lines at the bottom of each picture left out.
// Re-edit prints as many blank rows as the cursor had before it; a drawing
// opened after it is printed with Fresh, rows 1 to CurRow. Both show an
// empty sheet; only the number of blank lines under it differs.
std::string withoutTrailingBlankPictureLines(const std::string& out) {
    std::istringstream in(out);
    std::string result, pending;
    bool inPicture = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "picture:") inPicture = true;
        else if (inPicture && (line.empty() || line[0] != '|')) inPicture = false;
        if (inPicture && line.size() >= 2 && line.find_first_not_of(' ', 1) == line.size() - 1) {
            pending += line + "\n";
            continue;
        }
        if (!inPicture) pending.clear();
        result += pending + line + "\n";
        pending.clear();
    }
    return result;
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
        ASSERT_EQ(withoutTrailingBlankPictureLines(before.out + after.out), withoutTrailingBlankPictureLines(uncut.out))
            << where << "\nthe session:\n" << join(steps, 0, steps.size());

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
