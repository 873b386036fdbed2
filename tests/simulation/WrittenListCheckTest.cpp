// The check of a written list, held against the independent evaluator:
// every single mutation of a shown list is either proven to agree (and
// does, for every start of a scan) or answered with a start of a scan that
// really tells list and drawing apart; the same lists retyped as a person
// types them agree.
#include <gtest/gtest.h>

#include <set>

#include "RandomLadders.h"
#include "check/PowerFlowOracle.h"
#include "statement/ListCheckCommand.h"

namespace lp {
namespace {

using test::Assignment;

std::vector<std::string> linesOf(const std::string& list) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(list.substr(start, end - start));
    return lines;
}

std::string joined(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& l : lines) text += l + end;
    return text;
}

// Every single mutation of the list, each once.
std::vector<std::string> mutations(const std::string& list, const std::vector<std::string>& devices) {
    static const std::vector<std::pair<std::string, std::string>> swaps = {
        {"LD  ", "LDI "}, {"AND ", "ANI "}, {"OR  ", "ORI "}, {"AND ", "OR  "}, {"ANB ", "ORB "}, {"MRD ", "MPP "}};
    const std::vector<std::string> lines = linesOf(list);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string head = lines[i].substr(0, 4);
        for (const auto& [a, b] : swaps) {
            if (head != a && head != b) continue;
            std::vector<std::string> m = lines;
            m[i] = (head == a ? b : a) + lines[i].substr(4);
            out.push_back(joined(m));
        }
        if (lines[i].size() > 4 && lines[i] != "END") {
            for (const std::string& d : devices) {
                if (d == lines[i].substr(4)) continue;
                std::vector<std::string> m = lines;
                m[i] = head + d;
                out.push_back(joined(m));
            }
        }
        std::vector<std::string> dropped = lines;
        dropped.erase(dropped.begin() + static_cast<std::ptrdiff_t>(i));
        out.push_back(joined(dropped));
        if (i + 1 < lines.size() && lines[i] != lines[i + 1]) {
            std::vector<std::string> swapped = lines;
            std::swap(swapped[i], swapped[i + 1]);
            out.push_back(joined(swapped));
        }
    }
    return out;
}

// Every device's value after one scan from `start`.
Assignment afterScan(const std::vector<test::OracleWrite>& writes, Assignment values) {
    for (const test::OracleWrite& w : writes) values[w.device] = w.value;
    return values;
}

class Referee {
public:
    Referee(const test::PowerFlowOracle& oracle) : oracle_(oracle) {}

    // Whether the list, as the evaluator runs it, ends every scan as the
    // drawing does; nothing when it is malformed or has END where the drawing has not.
    std::optional<bool> agrees(const std::string& list) const {
        std::set<std::string> devices;
        for (const std::string& d : oracle_.devices()) devices.insert(d);
        for (const std::string& d : test::devicesOfList(list)) devices.insert(d);
        for (const Assignment& a : test::allAssignments({devices.begin(), devices.end()})) {
            const auto run = test::runListWithValues(list, a);
            if (!run || run->endsWithEnd != oracle_.endDrawn()) return std::nullopt;
            if (afterScan(run->writes, a) != afterScan(oracle_.run(a), a)) return false;
        }
        return true;
    }

    // The counterexample, run again by the evaluator on both sides.
    void confirm(const ListVerdict& v, const std::string& list) const {
        Assignment start;
        for (const std::string& d : oracle_.devices()) start[d] = false;
        for (const std::string& d : test::devicesOfList(list)) start[d] = false;
        for (const auto& [name, value] : v.assignment) start[name] = value;
        for (std::size_t i = 1; i < v.assignment.size(); ++i) ASSERT_LT(v.assignment[i - 1].first, v.assignment[i].first);
        const auto run = test::runListWithValues(list, start);
        ASSERT_TRUE(run);
        const Assignment listed = afterScan(run->writes, start);
        const Assignment drawn = afterScan(oracle_.run(start), start);
        ASSERT_EQ(drawn.at(v.coil), v.drawingValue) << v.coil;
        ASSERT_EQ(listed.at(v.coil), v.listValue) << v.coil;
        ASSERT_NE(v.drawingValue, v.listValue);
    }

private:
    const test::PowerFlowOracle& oracle_;
};

std::string retyped(const std::string& list, int how) {
    std::vector<std::string> lines = linesOf(list);
    for (std::string& l : lines) {
        std::string word = l.substr(0, l.find(' '));
        const std::string name = l.size() > 4 ? l.substr(4) : "";
        if (how == 2)
            for (char& c : word) c = static_cast<char>(c - 'A' + 'a');
        const std::string gap = how == 1 ? "\t" : how == 3 ? "   " : " ";
        l = name.empty() ? word + (how == 3 ? "  " : "") : word + gap + name + (how == 3 ? " \t" : "");
    }
    if (how == 3) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lines.size() / 2), "");
    std::string text = joined(lines, how == 4 ? "\n" : "\r\n");
    if (how == 4) text.pop_back();  // no line end after the last line
    return text;
}

TEST(WrittenListCheck, EveryMutationIsProvenEquivalentOrToldApartByAStartThatShowsIt) {
    std::mt19937 rng(20261210u);
    int lists = 0, agreeing = 0, told = 0, lines = 0, retypings = 0;
    for (int s = 0; s < 900; ++s) {
        test::RandomLadder random(rng, 1 + static_cast<int>(rng() % 30));
        if (!random.convert()) continue;
        SCOPED_TRACE("session \"" + random.steps + "\"");
        Ladder& ladder = random.drawing.ladder;
        const int row = ladder.state.CurRow, col = ladder.state.CurCol;
        const test::PowerFlowOracle oracle(ladder.sheet, row, col);
        const Referee referee(oracle);
        const std::string list = ladder.Text1;
        ++lists;
        ASSERT_EQ(checkText1(ladder).kind, ListVerdict::Kind::Agrees);
        // A name as a person types it: three characters, no blank at either
        // end (a contact left without a name cannot be typed).
        bool typable = true;
        for (const std::string& l : linesOf(list))
            if (l.size() > 4 && l != "END") typable &= l.size() == 7 && l[4] != ' ' && l[6] != ' ';
        for (int how = 0; typable && how <= 4; ++how) {
            const std::string text = retyped(list, how);
            ladder.Text1 = text;
            ASSERT_EQ(checkText1(ladder).kind, ListVerdict::Kind::Agrees) << text;
            ++retypings;
        }
        // The drawing converted, so it is not refused.
        const DrawingRefusal none = [] { return std::optional<std::string>(); };
        for (const std::string& changed : mutations(list, oracle.devices())) {
            const ListVerdict v = checkWrittenList(ladder.sheet, row, col, changed, none);
            const std::optional<bool> truth = referee.agrees(changed);
            switch (v.kind) {
            case ListVerdict::Kind::Agrees:
                ASSERT_EQ(truth, std::optional<bool>(true)) << changed;
                ++agreeing;
                break;
            case ListVerdict::Kind::Differs:
                ASSERT_EQ(truth, std::optional<bool>(false)) << changed;
                referee.confirm(v, changed);
                if (::testing::Test::HasFatalFailure()) return;
                ++told;
                break;
            case ListVerdict::Kind::Line:
                ASSERT_FALSE(truth.has_value()) << changed;
                ++lines;
                break;
            case ListVerdict::Kind::Refused: FAIL() << "a small drawing that converted is refused: " << v.why;
            }
        }
    }
    EXPECT_GT(lists, 300);
    EXPECT_GT(agreeing, 50);
    EXPECT_GT(told, 2000);
    EXPECT_GT(lines, 500);
    EXPECT_GT(retypings, 1000);
    std::cout << "lists " << lists << ": mutations agreeing " << agreeing << ", told apart " << told
              << ", faulty lines " << lines << '\n';
}

}  // namespace
}  // namespace lp
