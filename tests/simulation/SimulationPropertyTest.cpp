// Thousands of random palette sessions whose conversion shows a list: the
// list run scan by scan, from random input values, leaves every coil as the
// independent power-flow evaluator lets the drawing leave it.
#include <gtest/gtest.h>

#include <map>

#include "RandomLadders.h"
#include "check/PowerFlowOracle.h"
#include "circuit/ListFaultText.h"
#include "simulation/Simulation.h"

namespace lp {
namespace {

using test::Assignment;

// The drawing's devices after one scan from `start`.
Assignment afterDrawing(const test::PowerFlowOracle& oracle, const Assignment& start) {
    Assignment values = start;
    for (const test::OracleWrite& w : oracle.run(start)) values[w.device] = w.value;
    return values;
}

TEST(SimulationProperty, ScansOfTheListEqualThePowerFlowOfTheDrawing) {
    std::mt19937 rng(20261209u);
    int ladders = 0, scans = 0, stepped = 0, onCoils = 0;
    for (int s = 0; s < 3000; ++s) {
        test::RandomLadder random(rng, 1 + static_cast<int>(rng() % 40));
        if (!random.convert()) continue;
        SCOPED_TRACE("session \"" + random.steps + "\"");
        Ladder& ladder = random.drawing.ladder;
        const TypedListReading reading = readTypedList(ladder.Text1);
        ASSERT_EQ(reading.fault, ListFault::None) << ladder.Text1;
        Simulation sim(reading.parsed, ladder.sheet, ladder.state.CurRow, ladder.state.CurCol);
        const test::PowerFlowOracle oracle(ladder.sheet, ladder.state.CurRow, ladder.state.CurCol);
        ++ladders;

        Assignment state;  // every device of the drawing, as the simulation holds it
        for (const std::string& d : oracle.devices()) state[d] = false;
        for (int scan = 0; scan < 8; ++scan) {
            for (int d = 0; d < sim.deviceCount(); ++d)
                if (sim.isInput(d) && rng() % 2) sim.toggleInput(d);
            Assignment start = state;
            for (int d = 0; d < sim.deviceCount(); ++d)
                if (sim.isInput(d)) start[sim.deviceNames()[static_cast<std::size_t>(d)]] = sim.value(d);
            if (rng() % 4 == 0) {
                const long before = sim.scans();
                while (sim.scans() == before) sim.step();
                ++stepped;
            } else {
                sim.scan();
            }
            ++scans;
            state = afterDrawing(oracle, start);
            for (const auto& [name, value] : state) {
                const int d = sim.deviceOf(name);
                const bool simulated = d >= 0 && sim.value(d);
                ASSERT_EQ(simulated, value) << name << " after scan " << scan + 1 << "\n" << ladder.Text1;
                if (d >= 0 && !sim.isInput(d) && value) ++onCoils;
            }
            ASSERT_TRUE(sim.differs().empty()) << sim.differs().front();
        }
    }
    EXPECT_GT(ladders, 800);
    EXPECT_GT(stepped, 1000);
    EXPECT_GT(onCoils, 1000);  // coils do pull in, so the equality is not all zeros
    std::cout << "ladders " << ladders << ", scans " << scans << " (" << stepped << " by steps), coils on "
              << onCoils << '\n';
}

}  // namespace
}  // namespace lp
