// Speed of saving and opening the largest sheet, converted (its marks, its
// list and the list box filled): the whole commands, from the drawing in
// memory to the file flushed to disk and moved into place, and from the
// file on disk to the sheet printed with Fresh.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FullSheet.h"
#include "app/Buttons.h"
#include "document/Document.h"
#include "document/DocumentCommands.h"
#include "sheet/Ladder.h"

namespace lp::bench {
namespace {

struct DrawingFixture {
    QuietUserInterface ui;
    Ladder ladder{ui};
    Document document;
    std::string dir;
    DrawingFixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ladderpad-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) dir = pattern;
        ladder.exportDir = dir;
        ladder.Form_Load();
        ladder.Form_Activate();
        play(ladder, ui, fullSheetSteps());
        pressButton(ladder, 13);
    }
    ~DrawingFixture() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string file() const { return dir + "/full.lad"; }
};

void BM_SaveFullSheet(benchmark::State& state) {
    DrawingFixture f;
    for (auto _ : state)
        if (!saveDrawingTo(f.ladder, f.document, f.file())) state.SkipWithError("the save failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(f.file()));
}
BENCHMARK(BM_SaveFullSheet)->Unit(benchmark::kMillisecond);

void BM_OpenFullSheet(benchmark::State& state) {
    DrawingFixture f;
    if (!saveDrawingTo(f.ladder, f.document, f.file())) state.SkipWithError("the save failed");
    for (auto _ : state)
        if (!openDrawing(f.ladder, f.document, f.file())) state.SkipWithError("the open failed");
    state.counters["rows"] = static_cast<double>(f.ladder.picture.size());
}
BENCHMARK(BM_OpenFullSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lp::bench
