// Large single rungs drawn at random from fixed seeds: every conversion
// answers within the proof's step bound, with a list the independent
// evaluator agrees with, or a refusal whose reason it confirms.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "PaletteDrawing.h"
#include "PowerFlowOracle.h"
#include "circuit/ListCheck.h"
#include "circuit/WrittenListCheck.h"
#include "statement/Convert.h"

namespace lp {
namespace {

using test::Assignment;
using test::PaletteDrawing;
using test::PowerFlowOracle;

enum class Shape {
    // Rows of ten, each closing up after every contact or only at its end:
    // series and parallel parts however they mix.
    SeriesParallel,
    // Rows of 2 to 10 closing up at random points (bridges), and rows of
    // one contact under a coil of their own.
    RandomClosing,
};

struct Rungs {
    std::mt19937 rng;
    int pool;  // names drawn from this many
    std::string steps;

    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    void press(int button, const std::string& name = {}) {
        steps += std::to_string(button);
        if (!name.empty()) steps += " " + name;
        steps += ",";
    }
    std::string name() {
        const int n = below(pool);
        return {"XMTCSDKLPABEFGHJNQRU"[n / 100 % 20], static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    }
    // A contact: rail or series, closing up or not, normally open or closed.
    void contact(bool first, bool up) { press((first ? (up ? 3 : 1) : (up ? 7 : 5)) + below(3) / 2, name()); }

    std::string draw(Shape shape, int rows) {
        for (int c = 0; c < 10; ++c) contact(c == 0, false);
        press(9, "Y00");
        press(11);
        for (int r = 1; r < rows; ++r) {
            if (shape == Shape::RandomClosing && below(5) == 0) {
                contact(true, true);
                press(9, std::string{'Y', static_cast<char>('1' + r / 10 % 9), static_cast<char>('0' + r % 10)});
                press(11);
                continue;
            }
            const bool everyContact = below(2) == 0;
            const int length = shape == Shape::SeriesParallel ? 10 : 2 + below(9);
            for (int c = 0; c < length; ++c) {
                const bool last = c == length - 1;
                contact(c == 0, last || (shape == Shape::SeriesParallel ? everyContact : below(3) == 0));
            }
            press(11);
        }
        press(22);
        return steps;
    }
};

// The list's writes agree with the evaluator's under many assignments,
// from nearly all contacts open to nearly all closed: the evaluator lets
// power flow cell by cell and knows nothing of the proof.
void expectAgreement(const PowerFlowOracle& oracle, const std::string& list, std::mt19937& rng) {
    std::vector<std::string> devices = oracle.devices();
    for (const std::string& d : test::devicesOfList(list)) devices.push_back(d);
    constexpr double kDensities[] = {0.01, 0.05, 0.2, 0.5, 0.8, 0.95, 0.99};
    for (int i = 0; i < 140; ++i) {
        std::bernoulli_distribution closed(kDensities[i % 7]);
        Assignment a;
        for (const std::string& d : devices) a[d] = closed(rng);
        const auto run = test::runListWithValues(list, a);
        ASSERT_TRUE(run) << "the list is malformed";
        ASSERT_EQ(run->writes, oracle.run(a)) << "assignment " << i;
    }
}

struct Case {
    Shape shape;
    int pool;
    int rows;
    uint32_t seed;
};

class LargeRungs : public ::testing::TestWithParam<Case> {};

TEST_P(LargeRungs, AnswerWithinTheBoundWithAProvenListOrAFoundedRefusal) {
    const Case& c = GetParam();
    Rungs rungs{std::mt19937(c.seed), c.pool, {}};
    PaletteDrawing d(rungs.draw(c.shape, c.rows));
    ListCheck check(d.sheet(), d.curRow(), d.curCol());
    const StructuralResult built = check.structuralList(true);
    EXPECT_LT(check.steps(), Bdd::kDefaultStepLimit);

    d.ladder.Text1.clear();
    Command13_Click(d.ladder);
    const PowerFlowOracle oracle(d.sheet(), d.curRow(), d.curCol());
    std::mt19937 rng(c.seed);
    if (!d.ladder.Text1.empty()) {
        ASSERT_TRUE(d.ui.messages.empty());
        expectAgreement(oracle, d.ladder.Text1, rng);
        if (built.ok) expectAgreement(oracle, built.list, rng);
        return;
    }
    // Refused: only for a bridge with too many paths to spell out, named
    // by a contact of the drawing in a rung the evaluator cannot reduce.
    ASSERT_FALSE(built.ok);
    ASSERT_EQ(built.reason, RefusalReason::NotSeriesParallel) << built.message;
    ASSERT_FALSE(d.ui.messages.empty());
    EXPECT_EQ(d.ui.messages.back().text, built.message);
    bool named = false;
    for (const Contact& k : check.circuit().contacts)
        named |= k.row == built.rung_row &&
                 built.message.starts_with("第" + std::to_string(k.row) + "行：第" + std::to_string(k.slot) + "列的触点“" +
                                           k.name + "”构成桥式连接");
    EXPECT_TRUE(named) << built.message;
    EXPECT_FALSE(oracle.reducesToOnePiece(2)) << "the rung of Y00 reduces to one piece";
    if (c.shape == Shape::SeriesParallel) ADD_FAILURE() << "a series-parallel rung was refused: " << built.message;
}

INSTANTIATE_TEST_SUITE_P(Seeds, LargeRungs,
                         ::testing::Values(Case{Shape::SeriesParallel, 2000, 129, 1}, Case{Shape::SeriesParallel, 2000, 129, 2},
                                           Case{Shape::SeriesParallel, 40, 129, 3}, Case{Shape::SeriesParallel, 12, 60, 4},
                                           Case{Shape::RandomClosing, 2000, 129, 5}, Case{Shape::RandomClosing, 2000, 129, 6},
                                           Case{Shape::RandomClosing, 40, 129, 7}, Case{Shape::RandomClosing, 2000, 6, 8},
                                           Case{Shape::RandomClosing, 2000, 4, 9}, Case{Shape::RandomClosing, 12, 5, 10}),
                         [](const auto& info) { return "seed" + std::to_string(info.param.seed); });

// Names repeat all over a large rung: the diagrams outgrow their budget for
// a list that writes another coil, yet the check names a start of a scan
// under which the two end apart, and the evaluator agrees.
TEST(LargeRungs, AListTooLargeToProveWrongIsShownWrongByAWitness) {
    Rungs rungs{std::mt19937(3), 40, {}};
    PaletteDrawing d(rungs.draw(Shape::SeriesParallel, 129));
    ListCheck check(d.sheet(), d.curRow(), d.curCol());
    StructuralResult built = check.structuralList(true);
    ASSERT_TRUE(built.ok) << built.message;
    const std::size_t out = built.list.find("OUT Y00");
    ASSERT_NE(out, std::string::npos);
    std::string wrong = built.list;
    wrong.replace(out, 7, "OUT Y07");
    const ListVerdict v = checkWrittenList(d.sheet(), d.curRow(), d.curCol(), wrong, [] { return std::nullopt; });
    ASSERT_EQ(v.kind, ListVerdict::Kind::Differs) << verdictMessage(v);
    Assignment start;
    for (const auto& [name, value] : v.assignment) start[name] = value;
    const PowerFlowOracle oracle(d.sheet(), d.curRow(), d.curCol());
    const auto drawn = oracle.run(start);
    const auto listed = test::runListWithValues(wrong, start);
    ASSERT_TRUE(listed);
    auto last = [&](const std::vector<test::OracleWrite>& writes) {
        bool value = start.count(v.coil) && start[v.coil];
        for (const auto& w : writes)
            if (w.device == v.coil) value = w.value;
        return value;
    };
    EXPECT_EQ(last(drawn), v.drawingValue);
    EXPECT_EQ(last(listed->writes), v.listValue);
    EXPECT_NE(v.drawingValue, v.listValue);
}

}  // namespace
}  // namespace lp
