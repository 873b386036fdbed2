// Speed of the simulation and of the check of a written list on the
// largest sheet: one scan of its list, and the check of a copy of the list
// retyped as a person types it.
#include <benchmark/benchmark.h>

#include "FullSheet.h"
#include "circuit/ListFaultText.h"
#include "sheet/Ladder.h"
#include "simulation/Simulation.h"
#include "statement/Convert.h"
#include "statement/ListCheckCommand.h"

namespace lp::bench {
namespace {

struct ConvertedSheet {
    QuietUserInterface ui;
    Ladder ladder{ui};
    explicit ConvertedSheet(const std::vector<SheetStep>& steps = fullSheetSteps()) {
        ladder.exportDir = "/tmp";
        ladder.Form_Load();
        ladder.Form_Activate();
        play(ladder, ui, steps);
        Command13_Click(ladder);
    }
};

// One whole scan, every input switched on, so that every line runs with
// power on its contacts.
void scanList(benchmark::State& state, const ConvertedSheet& f) {
    const TypedListReading reading = readTypedList(f.ladder.Text1);
    if (reading.fault != ListFault::None) {
        state.SkipWithError("the full sheet's list does not read");
        return;
    }
    Simulation sim(reading.parsed, f.ladder.sheet, f.ladder.state.CurRow, f.ladder.state.CurCol);
    for (int d = 0; d < sim.deviceCount(); ++d)
        if (sim.isInput(d)) sim.toggleInput(d);
    for (auto _ : state) {
        sim.scan();
        benchmark::DoNotOptimize(sim.scans());
    }
    state.counters["lines"] = static_cast<double>(reading.parsed.lines.size());
    state.counters["devices"] = sim.deviceCount();
}
void BM_SimulationScanFullList(benchmark::State& state) { scanList(state, ConvertedSheet()); }
BENCHMARK(BM_SimulationScanFullList)->Unit(benchmark::kMicrosecond);

// The same for the largest list with the branch stack in every rung.
void BM_SimulationScanBranchStackList(benchmark::State& state) {
    scanList(state, ConvertedSheet(branchStackSheetSteps()));
}
BENCHMARK(BM_SimulationScanBranchStackList)->Unit(benchmark::kMicrosecond);

// The list retyped: lower-case mnemonics, one space, LF line ends.
std::string retyped(const std::string& list) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = list.substr(start, end - start);
        std::string word = line.substr(0, line.find(' '));
        for (char& c : word) c = static_cast<char>(c - 'A' + 'a');
        out += line.size() > 4 ? word + ' ' + line.substr(4) : word;
        out += '\n';
    }
    return out;
}

void BM_CheckRetypedFullList(benchmark::State& state) {
    ConvertedSheet f;
    f.ladder.Text1 = retyped(f.ladder.Text1);
    for (auto _ : state) {
        const ListVerdict verdict = checkText1(f.ladder);
        if (verdict.kind != ListVerdict::Kind::Agrees) {
            state.SkipWithError("the retyped list does not agree");
            return;
        }
    }
}
BENCHMARK(BM_CheckRetypedFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lp::bench
