// The largest sheet the palette draws: every graphics row holds ten
// elements, every rung a parallel branch under it, and a coil; then END.
// The check and the structural list must stay exact and quick there.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "PaletteDrawing.h"
#include "circuit/ListCheck.h"
#include "circuit/ListFaultText.h"
#include "simulation/Simulation.h"
#include "statement/Conversion.h"

namespace lp {
namespace {

std::string name(char kind, int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%c%02d", kind, n % 100);
    return text;
}

// Rung k: ten series contacts, the last reading the coil of rung k − 1,
// then the coil; under it (when `branch`) a row of ten elements with four
// parallel branches.
std::string rungSteps(int k, bool branch) {
    std::string s = "1 " + name('X', 10 * k);
    for (int i = 1; i < 9; ++i) s += ",5 " + name('X', 10 * k + i);
    s += ",5 " + name('Y', k + 99) + ",9 " + name('Y', k) + ",11";
    if (branch) {
        auto x = [&](int i) { return name('X', 10 * k + 50 + i); };
        s += ",3 " + x(0) + ",5 " + x(1) + ",7 " + x(2) + ",18,7 " + x(3) + ",18,8 " + x(4) + ",18,5 " + x(5) +
             ",7 " + x(6) + ",11";
    }
    return s;
}

// Rung k as a seal-in with a pilot lamp on its node: the lamp's row closes
// up after the first contact and goes on to a coil of its own, so that the
// list needs the branch stack.
std::string lampRungSteps(int k) {
    std::string s = "1 " + name('X', 10 * k) + ",6 " + name('X', 10 * k + 1);
    for (int i = 2; i < 9; ++i) s += ",5 " + name('X', 10 * k + i);
    s += ",5 " + name('Y', k + 99) + ",9 " + name('Y', k) + ",11,3 " + name('Y', k);
    for (int i = 0; i < 9; ++i) s += ",5 " + name('M', 10 * k + i);
    return s + ",9 " + name('L', k) + ",11";
}

TEST(LargestSheet, IsProvedAndWrittenQuickly) {
    test::PaletteDrawing d;
    for (int k = 0; k < 64; ++k) d.draw(rungSteps(k, true));
    d.draw(rungSteps(64, false) + ",22");
    ASSERT_EQ(d.curRow(), 260);
    ASSERT_EQ(d.sheet().cell(260, 8), "D");

    ASSERT_EQ(runScan(d.ladder), ScanOutcome::Finished);
    const std::string scanList = d.ladder.StatementList;

    // The list shown passes the check; the structural list holds one OUT
    // per coil and an ANB or ORB for every branch.
    const ConversionOutcome shown = settleConversion(d.sheet(), d.curRow(), d.curCol(), scanList, true);
    ASSERT_NE(shown.source, ConversionOutcome::Source::Refused) << shown.message;
    EXPECT_TRUE(listMatchesDrawing(d.sheet(), d.curRow(), d.curCol(), shown.list));
    const StructuralResult built = buildStructuralList(d.sheet(), d.curRow(), d.curCol());
    ASSERT_TRUE(built.ok) << built.message;
    auto count = [&](std::string_view what) {
        std::size_t n = 0;
        for (std::size_t at = built.list.find(what); at != std::string::npos; at = built.list.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("OUT "), 65u);
    EXPECT_EQ(count("ANB "), 64u * 4);  // the four branches that do not start at the rail
    EXPECT_EQ(count("ORB "), 64u * 2);  // the two-contact branches
    EXPECT_TRUE(built.list.ends_with("OUT Y64\r\nEND\r\n"));

    // Check of the scan's list plus the structural list, as a conversion
    // does it: the median of several runs.
    std::vector<double> ms;
    for (int i = 0; i < 15; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const ConversionOutcome o = settleConversion(d.sheet(), d.curRow(), d.curCol(), scanList, true);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ASSERT_EQ(o.list, shown.list);
    }
    std::sort(ms.begin(), ms.end());
    std::cout << "check and structural list on the largest sheet: " << ms[ms.size() / 2] << " ms (median)\n";
    // The goal is 5 ms; the bound here only catches a blow-up on a busy machine.
    EXPECT_LT(ms[ms.size() / 2], 50.0);
}

TEST(LargestSheet, WithTheBranchStackInEveryRungIsProvedWrittenAndRunQuickly) {
    test::PaletteDrawing d;
    for (int k = 0; k < 64; ++k) d.draw(lampRungSteps(k));
    d.draw(rungSteps(64, false) + ",22");
    ASSERT_EQ(d.curRow(), 260);

    // The scan writes the lamps without their shared part; the list built
    // from the circuit takes its place.
    ASSERT_EQ(runScan(d.ladder), ScanOutcome::Finished);
    const std::string scanList = d.ladder.StatementList;
    const ConversionOutcome shown = settleConversion(d.sheet(), d.curRow(), d.curCol(), scanList, true);
    ASSERT_EQ(shown.source, ConversionOutcome::Source::Structural) << shown.message;
    auto count = [&](std::string_view what) {
        std::size_t n = 0;
        for (std::size_t at = shown.list.find(what); at != std::string::npos; at = shown.list.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("MPS "), 64u);
    EXPECT_EQ(count("MPP "), 64u);
    EXPECT_EQ(count("OUT "), 129u);

    std::vector<double> ms;
    for (int i = 0; i < 15; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const ConversionOutcome o = settleConversion(d.sheet(), d.curRow(), d.curCol(), scanList, true);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ASSERT_EQ(o.list, shown.list);
    }
    std::sort(ms.begin(), ms.end());
    std::cout << "check and branch-stack list on the largest sheet: " << ms[ms.size() / 2] << " ms (median)\n";
    // The goal is 5 ms; the bound here only catches a blow-up on a busy machine.
    EXPECT_LT(ms[ms.size() / 2], 50.0);

    const TypedListReading reading = readTypedList(shown.list);
    ASSERT_EQ(reading.fault, ListFault::None);
    Simulation sim(reading.parsed, d.sheet(), d.curRow(), d.curCol());
    for (int dev = 0; dev < sim.deviceCount(); dev += 2)
        if (sim.isInput(dev)) sim.toggleInput(dev);
    constexpr long kScans = 2000;
    const auto start = std::chrono::steady_clock::now();
    sim.scan(kScans);
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / kScans;
    std::cout << "one simulated scan of that list: " << us << " µs\n";
    // The goal is 20 µs; again only a blow-up fails here.
    EXPECT_LT(us, 200.0);
    EXPECT_TRUE(sim.differs().empty());
}

}  // namespace
}  // namespace lp
