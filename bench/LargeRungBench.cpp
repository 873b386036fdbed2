// Large single rungs (LargeRungs.h): a whole conversion ("转换") and the
// check of the list it shows ("校验语句表"), with the peak memory of the
// process so far. A drawing the conversion refuses is checked against a
// short list typed by hand.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <functional>
#include <string>

#include "LargeRungs.h"
#include "app/Buttons.h"
#include "sheet/Ladder.h"
#include "statement/ListCheckCommand.h"

namespace lp::bench {
namespace {

struct RungFixture {
    QuietUserInterface ui;
    Ladder ladder{ui};
    explicit RungFixture(const std::vector<SheetStep>& steps) {
        ladder.Form_Load();
        ladder.Form_Activate();
        play(ladder, ui, steps);
    }
    void readyToConvert() {
        ladder.StatementList.clear();
        ladder.sheet.clearMarks();
        ladder.palette.setVisible(13, true);
        ladder.palette.setVisible(14, true);
        ladder.palette.setVisible(19, false);
        ladder.palette.setVisible(20, false);
    }
};

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void convertRung(benchmark::State& state, const std::vector<SheetStep>& steps) {
    RungFixture f(steps);
    for (auto _ : state) {
        state.PauseTiming();
        f.readyToConvert();
        state.ResumeTiming();
        pressButton(f.ladder, 13);
    }
    state.counters["list_bytes"] = static_cast<double>(f.ladder.Text1.size());
    state.counters["peak_MiB"] = peakMiB();
}

void checkRung(benchmark::State& state, const std::vector<SheetStep>& steps) {
    RungFixture f(steps);
    f.readyToConvert();
    pressButton(f.ladder, 13);
    if (f.ladder.Text1.empty()) f.ladder.Text1 = "LD  X00\r\nOUT Y00\r\nEND\r\n";
    bool agrees = false;
    for (auto _ : state) agrees = checkText1(f.ladder).kind == ListVerdict::Kind::Agrees;
    state.counters["agrees"] = agrees ? 1 : 0;
    state.counters["peak_MiB"] = peakMiB();
}

const std::function<std::vector<SheetStep>()> kRungs[] = {
    productOfSumsSteps,
    seriesRowsSteps,
    twoContactRowsSteps,
    [] { return randomClosingSteps(1, true); },
    [] { return mixedRowsSteps(1); },
};
const char* const kNames[] = {"ProductOfSums", "TenInSeriesOn129Rows", "NineteenRowsOfTwo", "RandomClosingSeed1",
                              "MixedRowsSeed1"};

[[maybe_unused]] const bool kRegistered = [] {
    for (std::size_t i = 0; i < std::size(kRungs); ++i) {
        const auto steps = kRungs[i];
        benchmark::RegisterBenchmark((std::string("BM_ConvertLargeRung/") + kNames[i]).c_str(),
                                     [steps](benchmark::State& s) { convertRung(s, steps()); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_CheckLargeRung/") + kNames[i]).c_str(),
                                     [steps](benchmark::State& s) { checkRung(s, steps()); })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace lp::bench
