// ladderpad-full-sheet-session [CLICK...]
// Prints the replay script that draws the largest sheet as the benchmarks
// draw it, followed by the clicks given (13 to convert, 19 to export).
#include <cstdlib>
#include <iostream>
#include <vector>

#include "FullSheet.h"

int main(int argc, char** argv) {
    std::vector<int> more;
    for (int i = 1; i < argc; ++i) more.push_back(std::atoi(argv[i]));
    std::cout << lp::bench::replayScript(lp::bench::fullSheetSteps(), more);
    return 0;
}
