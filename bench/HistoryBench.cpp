// Undo and redo on the largest sheet, and what a long history of it holds.
#include <benchmark/benchmark.h>

#include "FullSheet.h"
#include "app/Buttons.h"
#include "history/History.h"
#include "sheet/Ladder.h"

namespace lp::bench {
namespace {

// The largest sheet drawn press by press, each press one step of the history.
struct HistoryFixture {
    QuietUserInterface ui;
    Ladder ladder{ui};
    History history;
    HistoryFixture() {
        ladder.exportDir = "/tmp";
        ladder.Form_Load();
        ladder.Form_Activate();
        for (const SheetStep& step : fullSheetSteps()) {
            if (!step.reply.empty()) ui.replies.push_back(step.reply);
            const LadderBefore before = LadderBefore::of(ladder);
            pressButton(ladder, step.button);
            if (auto change = LadderChange::between(before, ladder)) history.record("step", std::move(*change));
        }
    }
};

void BM_UndoRedoOnFullSheet(benchmark::State& state) {
    HistoryFixture f;
    for (auto _ : state) {
        f.history.undo(f.ladder);
        f.history.redo(f.ladder);
    }
    state.counters["steps"] = static_cast<double>(f.history.size());
}
BENCHMARK(BM_UndoRedoOnFullSheet)->Unit(benchmark::kMicrosecond);

// One press and its record: the copy of the sheet before it and the
// comparison after it.
void BM_RecordStepOnFullSheet(benchmark::State& state) {
    HistoryFixture f;
    for (auto _ : state) {
        const LadderBefore before = LadderBefore::of(f.ladder);
        benchmark::DoNotOptimize(LadderChange::between(before, f.ladder));
    }
}
BENCHMARK(BM_RecordStepOnFullSheet)->Unit(benchmark::kMicrosecond);

void BM_HistoryMemoryOfFullSheet(benchmark::State& state) {
    for (auto _ : state) {
        HistoryFixture f;
        state.counters["steps"] = static_cast<double>(f.history.size());
        state.counters["MB"] = static_cast<double>(f.history.bytes()) / 1e6;
    }
}
BENCHMARK(BM_HistoryMemoryOfFullSheet)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace lp::bench
