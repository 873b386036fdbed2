// Undo and redo over random palette sessions: undoing the last k acts gives
// the state after the act n-k, undoing all of them the fresh start, redoing
// them all the end, byte for byte, and neither asks the user anything.
#include <deque>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StateDump.h"
#include "app/MainController.h"
#include "app/MainView.h"
#include "hardening/RandomPaletteSession.h"
#include "sheet/Ladder.h"

namespace lp {
namespace {

struct NoReply : std::runtime_error {
    NoReply() : std::runtime_error("the prompt found no reply") {}
};

// Answers the name prompt from the session's replies; draws nothing.
class QuietView : public MainView {
public:
    std::deque<std::string> replies;
    std::string inputBox(const std::string&, const std::string&) override {
        if (replies.empty()) throw NoReply();
        std::string reply = replies.front();
        replies.pop_front();
        return reply;
    }
    void messageBox(const std::string&, const std::string&) override {}
    void showSheet(const std::vector<std::string>&, int, int) override {}
    void showMarks(const std::vector<MarkShape>&, const std::vector<int>&) override {}
    void setButton(int, bool, bool) override {}
    void setText1(const std::string&) override {}
    void selectText1Line(std::size_t) override {}
    void setCaption(const std::string&) override {}
    void setMenuEnabled(MenuCommand, bool) override {}
    void showDeviceTable(const DeviceTableModel&, bool) override {}
    void hideDeviceTable() override {}
    void startTimer(int) override {}
    void stopTimer() override {}
    void showAbout() override {}
    void endProgram() override {}
};

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
        QuietView view;
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
        } catch (const NoReply&) {
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
