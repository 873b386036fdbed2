#pragma once
// The largest sheet the palette can draw, built the way a user builds it:
// every rung of ten elements, then its coil, then a line feed. Rungs
// alternate between a plain series chain under a coil and a branch row under
// it that closes three parallel branches into the rung above (at columns 15,
// 30 and 50) and ends in a parallel coil. 129 such rungs fill graphics rows
// 2 to 258; END stands on row 260, the last rung of the sheet.
#include <deque>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace lp {
class Ladder;
}

namespace lp::bench {

struct SheetStep {
    int button;
    std::string reply;  // the device name, for the buttons that ask for one
};

// The presses that draw the sheet. `lastRowElements` > 0 stops after that
// many elements of the rung on row 260 instead of drawing END there.
std::vector<SheetStep> fullSheetSteps(int lastRowElements = 0);

// The largest sheet whose list needs the branch stack in every rung: 64
// rungs of a seal-in with a pilot lamp on its node (ten contacts on the
// seal-in's row, the last reading the coil of the rung above; the lamp's row
// closes up after the first contact and goes on with nine contacts to a
// coil of its own), a plain rung, then END on row 260.
std::vector<SheetStep> branchStackSheetSteps();

// Answers the name prompt from a queue; never shows anything.
class QuietUserInterface : public UserInterface {
public:
    std::deque<std::string> replies;
    std::string inputBox(const std::string&, const std::string&) override;
    void messageBox(const std::string&, const std::string&) override {}
};

// Plays the steps on a ladder whose user interface is `ui`; throws
// std::runtime_error when a press is ignored or refused (the sheet would
// not be the one described).
void play(Ladder& ladder, QuietUserInterface& ui, const std::vector<SheetStep>& steps);

// The same steps as a replay script ("answer NAME" before each press that
// asks), followed by the given further clicks.
std::string replayScript(const std::vector<SheetStep>& steps, const std::vector<int>& moreClicks);

}  // namespace lp::bench
