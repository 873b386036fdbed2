// ladderpad-conversion-timer [RUNS]
// Draws the largest sheet and times "转换" on it RUNS times (21), from the
// state the window has before it; prints the median and the fastest in
// milliseconds. Built for each system, Windows too, where Google Benchmark
// is not at hand.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "FullSheet.h"
#include "app/Buttons.h"
#include "sheet/Ladder.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    lp::bench::QuietUserInterface ui;
    lp::Ladder ladder(ui);
    ladder.Form_Load();
    ladder.Form_Activate();
    lp::bench::play(ladder, ui, lp::bench::fullSheetSteps());
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        ladder.StatementList.clear();
        ladder.sheet.clearMarks();
        ladder.palette.setVisible(13, true);
        ladder.palette.setVisible(14, true);
        ladder.palette.setVisible(19, false);
        ladder.palette.setVisible(20, false);
        const auto start = std::chrono::steady_clock::now();
        lp::pressButton(ladder, 13);
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("conversion of the largest sheet: median %.3f ms, fastest %.3f ms (%d runs, %zu bytes of list)\n",
                ms[ms.size() / 2], ms.front(), runs, ladder.Text1.size());
    return 0;
}
