// Thousands of random palette sessions, each converted as "转换" does: the
// scan, then the check, then the structural list or a refusal. An evaluator
// written apart from the library (power flow cell by cell, one assignment
// at a time) decides what is right.
#include <gtest/gtest.h>

#include "statement/Convert.h"

#include <map>
#include <optional>
#include <random>
#include <set>

#include "PaletteDrawing.h"
#include "PowerFlowOracle.h"
#include "circuit/ListCheck.h"
#include "statement/Conversion.h"

namespace lp {
namespace {

using test::Assignment;
using test::PaletteDrawing;
using test::PowerFlowOracle;

const std::vector<std::string> kNames = {"X01", "X02", "X03", "Y01", "Y02"};

// Buttons a session presses, with how often each is picked when enabled.
struct Weighted {
    int button, weight;
};
const Weighted kButtons[] = {{1, 3}, {2, 2}, {3, 2}, {4, 1},  {5, 4},  {6, 2},  {7, 3},  {8, 1},
                             {9, 4}, {10, 1}, {11, 3}, {15, 1}, {16, 1}, {18, 3}, {21, 2}, {22, 1}};

struct Session {
    PaletteDrawing drawing;
    std::string steps;  // the session as PaletteDrawing reads it, to replay a failure

    Session(std::mt19937& rng, int presses) {
        for (int i = 0; i < presses; ++i) {
            std::vector<int> choice;
            for (const Weighted& w : kButtons) {
                if (!drawing.ladder.palette.enabled(w.button)) continue;
                // A line feed in the middle of a rung mostly leaves contacts
                // that drive nothing; let rungs end with a coil more often.
                const int weight = w.button == 11 && drawing.ladder.palette.enabled(9) ? 1 : w.weight;
                choice.insert(choice.end(), static_cast<std::size_t>(weight), w.button);
            }
            if (choice.empty()) break;
            if (press(rng, choice[rng() % choice.size()]) == 22 && rng() % 2 == 0) return;
        }
        // Most sessions finish their last rung and end with END; some of
        // them step back over it again, so that the scan still writes its
        // "END" at the cursor although no END is drawn.
        if (rng() % 4 != 0) {
            for (int button : {9, 11, 22})
                if (drawing.ladder.palette.enabled(button)) press(rng, button);
            if (rng() % 3 == 0 && drawing.ladder.state.LastKind == 22 && drawing.ladder.palette.enabled(10)) {
                press(rng, 10);
                endSteppedBack = true;
            }
        }
    }
    bool endSteppedBack = false;

    int press(std::mt19937& rng, int button) {
        const std::string name = kNames[rng() % kNames.size()];
        drawing.ui.replies.assign(1, name);
        pressButton(drawing.ladder, button);
        const bool asked = drawing.ui.replies.empty();
        drawing.ui.replies.clear();
        if (!steps.empty()) steps += ',';
        steps += std::to_string(button);
        if (asked) steps += ' ' + name;
        return button;
    }
};

// What the evaluator says of a list: well formed, a final END when END is
// drawn (and allowed when it is not), the same writes for every assignment.
class Judge {
public:
    explicit Judge(const PowerFlowOracle& oracle) : oracle_(oracle) {
        for (const std::string& d : oracle.devices()) devices_.insert(d);
        for (const std::string& d : kNames) devices_.insert(d);
        for (const Assignment& a : test::allAssignments({devices_.begin(), devices_.end()}))
            expected_.emplace_back(a, oracle.run(a));
    }

    bool equivalent(std::string_view list) const {
        for (const std::string& d : test::devicesOfList(list))
            if (!devices_.count(d)) return equivalentWithExtraDevices(list);
        for (const auto& [a, writes] : expected_) {
            const auto run = test::runListWithValues(list, a);
            if (!run || (oracle_.endDrawn() && !run->endsWithEnd) || run->writes != writes) return false;
        }
        return true;
    }

private:
    bool equivalentWithExtraDevices(std::string_view list) const {
        std::set<std::string> all = devices_;
        for (const std::string& d : test::devicesOfList(list)) all.insert(d);
        for (const Assignment& a : test::allAssignments({all.begin(), all.end()})) {
            const auto run = test::runListWithValues(list, a);
            if (!run || (oracle_.endDrawn() && !run->endsWithEnd) || run->writes != oracle_.run(a)) return false;
        }
        return true;
    }

    const PowerFlowOracle& oracle_;
    std::set<std::string> devices_;
    std::vector<std::pair<Assignment, std::vector<test::OracleWrite>>> expected_;
};

std::vector<std::string> linesOf(const std::string& list) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(list.substr(start, end - start));
    return lines;
}

// One random change of a list that passes.
std::string mutate(const std::string& list, std::mt19937& rng) {
    std::vector<std::string> lines = linesOf(list);
    if (lines.empty()) return "LD  X01\r\nOUT Y01\r\n";
    const std::size_t i = rng() % lines.size();
    std::string& l = lines[i];
    static const std::vector<std::pair<std::string, std::string>> swaps = {
        {"LD  ", "LDI "}, {"AND ", "ANI "}, {"OR  ", "ORI "}, {"AND ", "OR  "}, {"ANI ", "ORI "}, {"ANB ", "ORB "}, {"MRD ", "MPP "}};
    switch (rng() % 7) {
    case 0:
    case 1:
        for (const auto& [a, b] : swaps) {
            if (l.rfind(a, 0) == 0) {
                l = b + l.substr(4);
                break;
            }
            if (l.rfind(b, 0) == 0) {
                l = a + l.substr(4);
                break;
            }
        }
        break;
    case 2:
        if (l.size() > 4 && l != "END") l = l.substr(0, 4) + kNames[rng() % kNames.size()];
        break;
    case 3: lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i)); break;
    case 4:
        if (i + 1 < lines.size()) std::swap(lines[i], lines[i + 1]);
        break;
    case 5: lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), l); break;
    default:
        if (!lines.empty() && lines.back() == "END")
            lines.pop_back();
        else
            lines.push_back("END");
    }
    std::string out;
    for (const std::string& x : lines) out += x + "\r\n";
    return out;
}

// Why the evaluator finds a rung cannot be written, checking in the order
// the refusal does: no coil; then each coil, top to bottom, wired to the
// rail or joined to nothing. A rung that does not reduce to one piece (a
// bridge) is written path by path on a sheet this small. `row` is the
// rung's row, or the coil's for a fault of the coil.
struct Unwritable {
    enum class Why { NoCoil, OnRail, JoinedToNothing } why;
    int row;
};

std::optional<Unwritable> unwritable(const PowerFlowOracle& oracle, const PowerFlowOracle::RungView& rung) {
    using Why = Unwritable::Why;
    if (rung.coilRows.empty()) return Unwritable{Why::NoCoil, rung.row};
    for (int coil : rung.coilRows) {
        if (oracle.coilPoweredWithAllContacts(coil, false)) return Unwritable{Why::OnRail, coil};
        if (!oracle.coilPoweredWithAllContacts(coil, true)) return Unwritable{Why::JoinedToNothing, coil};
    }
    return std::nullopt;
}

// The refusal names the first rung the evaluator finds cannot be written,
// for the same reason; a refusal for re-reading names a rung above any such
// rung, with coils hanging from more than one point and a contact of one
// of its own coils.
void confirmRefusal(const PowerFlowOracle& oracle, const StructuralResult& r) {
    SCOPED_TRACE(r.message);
    const auto& rungs = oracle.rungs();
    std::size_t first = 0;
    std::optional<Unwritable> why;
    for (; first < rungs.size() && !why; ++first) why = unwritable(oracle, rungs[first]);
    if (why) --first;

    if (r.reason == RefusalReason::RereadsOwnCoil) {
        std::size_t at = 0;
        while (at < rungs.size() && rungs[at].row != r.rung_row) ++at;
        ASSERT_LT(at, rungs.size());
        if (why) {
            ASSERT_LT(at, first) << "rung " << rungs[first].row << " cannot be written and comes first";
        }
        const auto& named = rungs[at];
        EXPECT_GE(named.coilRows.size(), 2u);
        bool reads = false;
        for (const std::string& c : named.coilNames)
            for (const std::string& k : named.contactNames) reads |= c == k;
        EXPECT_TRUE(reads);
        return;
    }
    ASSERT_TRUE(why) << "the evaluator finds every rung writable";
    EXPECT_EQ(r.rung_row, why->row);
    using Why = Unwritable::Why;
    switch (r.reason) {
    case RefusalReason::NoCoil: EXPECT_EQ(why->why, Why::NoCoil); break;
    case RefusalReason::CoilOnRail: EXPECT_EQ(why->why, Why::OnRail); break;
    case RefusalReason::CoilJoinedToNothing:
    case RefusalReason::ParallelCoilWithoutCoil: EXPECT_EQ(why->why, Why::JoinedToNothing); break;
    default: ADD_FAILURE() << "a small sheet cannot be too complex"; break;
    }
}

bool lastLineIsEnd(const std::string& list) {
    const std::vector<std::string> lines = linesOf(list);
    return !lines.empty() && lines.back() == "END";
}

struct Tally {
    int sessions = 0, scanKept = 0, scanKeptEndSteppedBack = 0, structural = 0, refused = 0, mutationsPassing = 0, mutationsFailing = 0;
    int bridgesWritten = 0;
    std::map<RefusalReason, int> reasons;
};

void runSessions(unsigned seed, int count, int maxPresses, Tally& tally) {
    std::mt19937 rng(seed);
    for (int s = 0; s < count; ++s) {
        Session session(rng, 1 + static_cast<int>(rng() % static_cast<unsigned>(maxPresses)));
        Ladder& ladder = session.drawing.ladder;
        if (ladder.state.LastKind == 0) continue;
        SCOPED_TRACE("session \"" + session.steps + "\"");
        ++tally.sessions;

        const bool finished = runScan(ladder) == ScanOutcome::Finished;
        const std::string scanList = ladder.StatementList;
        const int row = ladder.state.CurRow, col = ladder.state.CurCol;
        ListCheck check(ladder.sheet, row, col);
        const PowerFlowOracle oracle(ladder.sheet, row, col);
        const Judge judge(oracle);

        // The check agrees with the evaluator on the scan's own list.
        const bool scanPasses = finished && check.matches(scanList);
        ASSERT_EQ(scanPasses, finished && judge.equivalent(scanList)) << "scan list:\n" << scanList;

        // What the conversion shows.
        const ConversionOutcome shown = settleConversion(ladder.sheet, row, col, scanList, finished);
        if (scanPasses) {
            ASSERT_EQ(shown.source, ConversionOutcome::Source::Scan);
            ASSERT_EQ(shown.list, scanList);
            ++tally.scanKept;
            if (session.endSteppedBack) {
                ASSERT_FALSE(oracle.endDrawn());
                ++tally.scanKeptEndSteppedBack;
            }
        }
        const bool scanEnded = lastLineIsEnd(scanList);
        const StructuralResult built = check.structuralList(scanEnded);
        if (built.ok) {
            // The circuit's list ends with END when END is drawn, or when the
            // scan's list ended with it.
            ASSERT_EQ(lastLineIsEnd(built.list), oracle.endDrawn() || scanEnded) << "structural list:\n" << built.list;
            ASSERT_TRUE(judge.equivalent(built.list)) << "structural list:\n" << built.list;
            ASSERT_TRUE(check.matches(built.list));
            bool bridge = false;
            for (const auto& rung : oracle.rungs())
                for (int coil : rung.coilRows) bridge |= !oracle.reducesToOnePiece(coil);
            tally.bridgesWritten += bridge;
            if (!scanPasses) {
                ASSERT_EQ(shown.source, ConversionOutcome::Source::Structural);
                ASSERT_EQ(shown.list, built.list);
                ++tally.structural;
            }
            // The check is exact on lists near a right one, too.
            for (int m = 0; m < 4; ++m) {
                const std::string changed = mutate(built.list, rng);
                const bool passes = check.matches(changed);
                ASSERT_EQ(passes, judge.equivalent(changed)) << "list:\n" << changed;
                ++(passes ? tally.mutationsPassing : tally.mutationsFailing);
            }
        } else {
            if (!scanPasses) {
                ASSERT_EQ(shown.source, ConversionOutcome::Source::Refused);
                ASSERT_EQ(shown.message, built.message);
                ++tally.refused;
            }
            ++tally.reasons[built.reason];
            confirmRefusal(oracle, built);
        }

        // The convert command itself shows exactly that outcome.
        ladder.StatementList.clear();
        ladder.sheet.clearMarks();
        ladder.Text1 = "before";
        const std::size_t messagesBefore = session.drawing.ui.messages.size();
        Command13_Click(ladder);
        if (shown.source == ConversionOutcome::Source::Refused) {
            ASSERT_EQ(session.drawing.ui.messages.size(), messagesBefore + 1);
            ASSERT_EQ(session.drawing.ui.messages.back().text, shown.message);
            ASSERT_EQ(ladder.Text1, "before");
            ASSERT_EQ(ladder.StatementList, "");
        } else {
            ASSERT_EQ(session.drawing.ui.messages.size(), messagesBefore);
            ASSERT_EQ(ladder.Text1, shown.list);
        }
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(RandomSessions, EveryShownListIsRightAndEveryRefusalIsFounded) {
    Tally tally;
    runSessions(20261208u, 2500, 40, tally);
    // The sessions reach every outcome, so that none of the properties
    // above holds vacuously.
    EXPECT_GT(tally.sessions, 2000);
    EXPECT_GT(tally.scanKept, 100);
    EXPECT_GT(tally.scanKeptEndSteppedBack, 20);
    EXPECT_GT(tally.structural, 100);
    EXPECT_GT(tally.refused, 100);
    EXPECT_GT(tally.mutationsPassing, 20);
    EXPECT_GT(tally.mutationsFailing, 1000);
    EXPECT_GT(tally.bridgesWritten, 2);
    std::cout << "sessions " << tally.sessions << ", scan kept " << tally.scanKept << " (END stepped back "
              << tally.scanKeptEndSteppedBack << "), structural "
              << tally.structural << ", refused " << tally.refused << ", changed lists passing "
              << tally.mutationsPassing << " / failing " << tally.mutationsFailing << ", with a bridge written "
              << tally.bridgesWritten << "; refusals by reason:";
    for (const auto& [reason, n] : tally.reasons) std::cout << ' ' << static_cast<int>(reason) << '=' << n;
    std::cout << '\n';
}

}  // namespace
}  // namespace lp
