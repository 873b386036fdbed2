// Speed of the core on the largest sheet: printing it, one placement and
// one step back with their redraw, a whole conversion, and the replay tool
// running a 2,000-step session as a process.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "FullSheet.h"
#include "app/Buttons.h"
#include "sheet/Ladder.h"
#include "statement/Convert.h"

extern char** environ;

namespace lp::bench {
namespace {

struct SheetFixture {
    QuietUserInterface ui;
    Ladder ladder{ui};
    explicit SheetFixture(int lastRowElements = 0) : SheetFixture(fullSheetSteps(lastRowElements)) {}
    explicit SheetFixture(const std::vector<SheetStep>& steps) {
        ladder.exportDir = "/tmp";
        ladder.Form_Load();
        ladder.Form_Activate();
        play(ladder, ui, steps);
    }
};

void BM_FreshFullSheet(benchmark::State& state) {
    SheetFixture f;
    for (auto _ : state) {
        f.ladder.Fresh();
        benchmark::DoNotOptimize(f.ladder.picture.data());
    }
    state.counters["rows"] = static_cast<double>(f.ladder.picture.size());
}
BENCHMARK(BM_FreshFullSheet)->Unit(benchmark::kMicrosecond);

// A series contact placed at the end of the last rung (name prompt
// answered at once), with the redraw that ends every command.
void BM_PlaceContactOnFullSheet(benchmark::State& state) {
    SheetFixture f(9);
    for (auto _ : state) {
        f.ui.replies.push_back("X99");
        pressButton(f.ladder, 5);
        state.PauseTiming();
        pressButton(f.ladder, 10);
        state.ResumeTiming();
    }
    if (f.ladder.state.CurCol != 46) state.SkipWithError("the placement was not undone");
}
BENCHMARK(BM_PlaceContactOnFullSheet)->Unit(benchmark::kMicrosecond);

void BM_StepBackOnFullSheet(benchmark::State& state) {
    SheetFixture f(9);
    for (auto _ : state) {
        state.PauseTiming();
        f.ui.replies.push_back("X99");
        pressButton(f.ladder, 5);
        state.ResumeTiming();
        pressButton(f.ladder, 10);
    }
    if (f.ladder.state.CurCol != 46) state.SkipWithError("the step back did not undo the placement");
}
BENCHMARK(BM_StepBackOnFullSheet)->Unit(benchmark::kMicrosecond);

// "转换" on the full sheet, from the state the window has before it.
void convert(benchmark::State& state, SheetFixture& f) {
    std::size_t lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.ladder.StatementList.clear();
        f.ladder.sheet.clearMarks();
        f.ladder.palette.setVisible(13, true);
        f.ladder.palette.setVisible(14, true);
        f.ladder.palette.setVisible(19, false);
        f.ladder.palette.setVisible(20, false);
        state.ResumeTiming();
        pressButton(f.ladder, 13);
        lines = static_cast<std::size_t>(std::count(f.ladder.Text1.begin(), f.ladder.Text1.end(), '\n'));
    }
    state.counters["lines"] = static_cast<double>(lines);
    if (f.ladder.Text1.size() < 5 || f.ladder.Text1.compare(f.ladder.Text1.size() - 5, 5, "END\r\n") != 0)
        state.SkipWithError("the conversion did not reach END");
}
void BM_ConvertFullSheet(benchmark::State& state) {
    SheetFixture f;
    convert(state, f);
}
BENCHMARK(BM_ConvertFullSheet)->Unit(benchmark::kMicrosecond);

// The same where the scan's list fails and the list built from the circuit,
// with the branch stack in every rung, takes its place.
void BM_ConvertBranchStackSheet(benchmark::State& state) {
    SheetFixture f(branchStackSheetSteps());
    convert(state, f);
}
BENCHMARK(BM_ConvertBranchStackSheet)->Unit(benchmark::kMicrosecond);

// The replay tool as a whole process: draw the full sheet, convert, export,
// then show the sheet again until the session has 2,000 clicks.
void BM_ReplaySession2000Steps(benchmark::State& state) {
    const std::vector<SheetStep> steps = fullSheetSteps();
    std::vector<int> more = {13, 19};
    while (steps.size() + more.size() < 2000) more.push_back(17);
    char scriptPath[] = "/tmp/ladderpad-bench-XXXXXX";
    const int fd = mkstemp(scriptPath);
    if (fd < 0) {
        state.SkipWithError("no temporary file");
        return;
    }
    close(fd);
    std::ofstream(scriptPath, std::ios::binary) << replayScript(steps, more);
    char exportDir[] = "/tmp/ladderpad-bench-export-XXXXXX";
    if (!mkdtemp(exportDir)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string tool = LADDERPAD_REPLAY_PATH;
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>(tool.c_str()), const_cast<char*>("--export-dir"), exportDir, scriptPath,
                        nullptr};
        pid_t pid = 0;
        const int rc = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        if (rc != 0 || waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the replay tool failed");
            break;
        }
    }
    state.counters["clicks"] = static_cast<double>(steps.size() + more.size());
    std::remove(scriptPath);
    std::remove((std::string(exportDir) + "/生成的语句表.txt").c_str());
    rmdir(exportDir);
}
BENCHMARK(BM_ReplaySession2000Steps)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace lp::bench
