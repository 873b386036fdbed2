// ladderpad-large-rung-timer
// Draws each large rung (see LargeRungs.h) and times "转换" on it, then the
// check of the list it shows ("校验语句表"); prints the milliseconds, the
// size of the list or the message, and the peak memory of the process.
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "LargeRungs.h"
#include "app/Buttons.h"
#include "sheet/Ladder.h"
#include "statement/ListCheckCommand.h"

#ifdef __unix__
#include <sys/resource.h>
#endif

namespace {

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

long peakKiB() {
#ifdef __unix__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

class RecordingUserInterface : public lp::bench::QuietUserInterface {
public:
    std::string last;
    void messageBox(const std::string& text, const std::string&) override { last = text; }
};

void time(const char* what, const std::vector<lp::bench::SheetStep>& steps) {
    RecordingUserInterface ui;
    lp::Ladder ladder(ui);
    ladder.Form_Load();
    ladder.Form_Activate();
    try {
        lp::bench::play(ladder, ui, steps);
    } catch (const std::exception& e) {
        std::printf("%-28s not drawn: %s\n", what, e.what());
        return;
    }
    auto start = std::chrono::steady_clock::now();
    lp::pressButton(ladder, 13);
    const double convert = msSince(start);
    const std::string converted = ui.last.empty() ? std::to_string(ladder.Text1.size()) + " bytes of list" : ui.last;
    // Where nothing was converted, the check of a list typed by hand.
    if (!ui.last.empty()) ladder.Text1 = "LD  X00\r\nOUT Y00\r\nEND\r\n";
    ui.last.clear();
    start = std::chrono::steady_clock::now();
    const lp::ListVerdict verdict = lp::checkText1(ladder);
    const double check = msSince(start);
    // And of the list with its last contact line dropped: a counterexample.
    std::string wrong = ladder.Text1;
    for (const char* line : {"\r\nAND ", "\r\nOR  "}) {
        const auto at = wrong.rfind(line);
        if (at == std::string::npos || !ui.last.empty()) continue;
        wrong.erase(at, wrong.find("\r\n", at + 2) - at);
        break;
    }
    ladder.Text1 = wrong;
    start = std::chrono::steady_clock::now();
    const lp::ListVerdict wrongVerdict = lp::checkText1(ladder);
    const double checkWrong = msSince(start);
    std::string told = lp::verdictMessage(wrongVerdict);
    // The tail of a long answer, from the start of a character.
    if (told.size() > 60) {
        std::size_t from = told.size() - 40;
        while ((static_cast<unsigned char>(told[from]) & 0xC0) == 0x80) ++from;
        told = "..." + told.substr(from);
    }
    std::printf("%-28s convert %8.1f ms (%s), check %8.1f ms (%s), wrong list %8.1f ms (%s), peak %ld MiB\n", what, convert,
                converted.c_str(), check, lp::verdictMessage(verdict).c_str(), checkWrong, told.c_str(), peakKiB() / 1024);
}

}  // namespace

int main() {
    time("product of sums", lp::bench::productOfSumsSteps());
    time("ten in series on 129 rows", lp::bench::seriesRowsSteps());
    time("19 rows of two", lp::bench::twoContactRowsSteps());
    for (uint32_t seed : {1u, 2u, 3u}) time(("mixed rows " + std::to_string(seed)).c_str(), lp::bench::mixedRowsSteps(seed));
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) time(("random closing " + std::to_string(seed)).c_str(), lp::bench::randomClosingSteps(seed, false));
    for (uint32_t seed : {1u, 2u, 3u}) time(("random with singles " + std::to_string(seed)).c_str(), lp::bench::randomClosingSteps(seed, true));
    return 0;
}
