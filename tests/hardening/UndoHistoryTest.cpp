// Undo and redo over random palette sessions: undoing the last k acts gives
// the state after the act n-k, undoing all of them the fresh start, redoing
// them all the end, byte for byte, and neither asks the user anything.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StateDump.h"
#include "app/MainController.h"
#include "support/NullView.h"
#include "hardening/RandomPaletteSession.h"
#include "sheet/Ladder.h"

namespace lp {
namespace {

// The dump and what it leaves out: the last name, the scan's state, the marks.
std::string fullState(const Ladder& ladder) {
    std::ostringstream out;
    out << stateDump(ladder) << ladder.state.DeviceName << ' ' << ladder.scan.SaveRow << ' ' << ladder.scan.ScanCol
        << ' ' << ladder.scan.HoldPos << '\n';
    for (int row = kFirstRow; row <= kLastRow; ++row)
        for (int col = kFirstCol; col <= kLastCol; ++col)
            if (ladder.sheet.emitted(row, col) || ladder.sheet.joined(row, col))
                out << row << ',' << col << '=' << ladder.sheet.emitted(row, col) << '/' << ladder.sheet.joined(row, col) << ' ';
    return out.str();
}

TEST(UndoHistory, UndoAndRedoRetraceRandomSessionsExactly) {
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        test::NullView view;
        MainController controller(view);
        controller.setExportDir("/nonexistent");
        controller.load();
        std::vector<std::string> states{fullState(controller.ladder())};
        try {
            for (const std::string& step : hardening::randomPaletteSession(seed, 80)) {
                std::istringstream lines(step);
                for (std::string line; std::getline(lines, line);) {
                    if (line == "answer")
                        view.replies.push_back("");
                    else if (line.rfind("answer ", 0) == 0)
                        view.replies.push_back(line.substr(7));
                    else if (line.rfind("click ", 0) == 0)
                        controller.click(std::stoi(line.substr(6)));
                }
                // Typing in Text1 is no act of the drawing: the session's edits are left out.
                if (fullState(controller.ladder()) != states.back()) states.push_back(fullState(controller.ladder()));
            }
        } catch (const test::NoReplyLeft&) {
            // A reply was meant for an act that the left-out edits changed: the session ends here.
        }
        const std::size_t acts = states.size() - 1;
        view.replies.clear();  // undo and redo never ask: a prompt now throws
        for (std::size_t k = 1; k <= acts; ++k) {
            ASSERT_TRUE(controller.undo()) << "undo " << k;
            ASSERT_EQ(fullState(controller.ladder()), states[acts - k]) << "after undoing " << k << " of " << acts;
        }
        EXPECT_FALSE(controller.undo());
        for (std::size_t k = 1; k <= acts; ++k) {
            ASSERT_TRUE(controller.redo());
            ASSERT_EQ(fullState(controller.ladder()), states[k]) << "after redoing " << k;
        }
        EXPECT_FALSE(controller.redo());
    }
}

}  // namespace
}  // namespace lp
