#include "LargeRungs.h"

#include <random>
#include <string>

namespace lp::bench {

namespace {

// Three-character names: a letter and two digits, 20 letters, so 2,000 in all.
std::string nameOf(int n) {
    static constexpr char kLetters[] = "XMTCSDKLPABEFGHJNQRU";
    return {kLetters[(n / 100) % 20], static_cast<char>('0' + (n / 10) % 10), static_cast<char>('0' + n % 10)};
}

// Rows of `columns` contacts below a first row of as many in series under a
// coil; `closes(row, column)` tells which contacts close up after themselves.
template <class Closes>
std::vector<SheetStep> rows(int rowCount, int columns, Closes closes) {
    std::vector<SheetStep> steps;
    int n = 0;
    for (int c = 0; c < columns; ++c) steps.push_back({c == 0 ? 1 : 5, nameOf(n++)});
    steps.push_back({9, "Y00"});
    steps.push_back({11, {}});
    for (int r = 1; r < rowCount; ++r) {
        for (int c = 0; c < columns; ++c) {
            const bool up = closes(r, c);
            steps.push_back({c == 0 ? (up ? 3 : 1) : (up ? 7 : 5), nameOf(n++)});
        }
        steps.push_back({11, {}});
    }
    steps.push_back({22, {}});
    return steps;
}

}  // namespace

std::vector<SheetStep> productOfSumsSteps() {
    return rows(129, 10, [](int, int) { return true; });
}

std::vector<SheetStep> seriesRowsSteps() {
    return rows(129, 10, [](int, int c) { return c == 9; });
}

std::vector<SheetStep> twoContactRowsSteps() {
    return rows(19, 2, [](int, int c) { return c == 1; });
}

std::vector<SheetStep> mixedRowsSteps(uint32_t seed) {
    std::mt19937 rng(seed);
    bool every = false;
    std::vector<SheetStep> steps = rows(129, 10, [&](int, int c) {
        if (c == 0) every = rng() % 2 == 0;
        return every || c == 9;
    });
    for (SheetStep& s : steps)
        if (s.button != 9 && !s.reply.empty()) s.reply = nameOf(static_cast<int>(rng() % 2000));
    return steps;
}

std::vector<SheetStep> randomClosingSteps(uint32_t seed, bool singleRows) {
    std::mt19937 rng(seed);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    std::vector<SheetStep> steps;
    auto name = [&] { return nameOf(below(2000)); };
    const int first = 2 + below(9);
    for (int c = 0; c < first; ++c) steps.push_back({c == 0 ? 1 + below(2) : 5 + below(2), name()});
    steps.push_back({9, "Y00"});
    steps.push_back({11, {}});
    for (int r = 1; r < 129; ++r) {
        if (singleRows && below(4) == 0) {
            // One contact that closes up after itself, and a coil of its own.
            steps.push_back({3 + below(2), name()});
            steps.push_back({9, {'Y', static_cast<char>('1' + r / 15 % 9), static_cast<char>('0' + r % 10)}});
            steps.push_back({11, {}});
            continue;
        }
        const int length = 2 + below(9);
        // It closes up at its end (into the row above, or higher up where
        // the row above is shorter) and after a third of its other contacts.
        for (int c = 0; c < length; ++c) {
            const bool up = c == length - 1 || below(3) == 0;
            const int closed = below(3) == 0 ? 1 : 0;  // a third normally closed
            steps.push_back({c == 0 ? (up ? 3 : 1) + closed : (up ? 7 : 5) + closed, name()});
        }
        steps.push_back({11, {}});
    }
    steps.push_back({22, {}});
    return steps;
}

}  // namespace lp::bench
