// The picture of the largest sheet: laid out and written as SVG.
#include <benchmark/benchmark.h>

#include "FullSheet.h"
#include "picture/DrawingPicture.h"
#include "picture/SvgPicture.h"
#include "sheet/Ladder.h"
#include "statement/Convert.h"

namespace lp::bench {
namespace {

void BM_PictureSvgOfFullSheet(benchmark::State& state) {
    QuietUserInterface ui;
    Ladder ladder{ui};
    ladder.exportDir = "/tmp";
    ladder.Form_Load();
    ladder.Form_Activate();
    play(ladder, ui, fullSheetSteps());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string svg = svgOf(drawingPicture(ladder, "full.lad", "2026-12-10"));
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["KB"] = static_cast<double>(bytes) / 1e3;
}
BENCHMARK(BM_PictureSvgOfFullSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lp::bench
