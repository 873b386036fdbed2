#pragma once
// Large single rungs drawn with the palette, as a user draws them: the first
// row from the rail to a coil, every row below closing up into the row
// above (button 3 or 4 for a first contact that closes up after itself, 7 or
// 8 for a later one).
#include <cstdint>
#include <vector>

#include "FullSheet.h"

namespace lp::bench {

// A product of sums: ten columns of 129 contacts in parallel, every row
// after the first closing up after each of its contacts; all names differ.
std::vector<SheetStep> productOfSumsSteps();

// A sum of products: ten contacts in series on each of 129 rows, every row
// after the first closing up at its end.
std::vector<SheetStep> seriesRowsSteps();

// 19 rows of two contacts, every row after the first closing up at its end.
std::vector<SheetStep> twoContactRowsSteps();

// Rows of ten, each after the first closing up after every contact or only
// at its end, at random: series and parallel parts however they mix, with
// names drawn from 2,000 (many repeat).
std::vector<SheetStep> mixedRowsSteps(uint32_t seed);

// 129 rows of 2 to 10 contacts, each closing up into the row above at
// random points, so that some rows bridge two points of the row above;
// names drawn from 2,000. With `singleRows`, a quarter of the rows are one
// contact that closes up after itself, under a coil of its own.
std::vector<SheetStep> randomClosingSteps(uint32_t seed, bool singleRows);

}  // namespace lp::bench
