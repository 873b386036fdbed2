#include "FullSheet.h"

#include <stdexcept>

#include "app/Buttons.h"
#include "sheet/Ladder.h"

namespace lp::bench {

namespace {

bool asksName(int button) { return (button >= 1 && button <= 9) || button == 21; }

class Builder {
public:
    std::vector<SheetStep> steps;

    void press(int button) {
        steps.push_back({button, asksName(button) ? nextName(button) : std::string()});
    }

private:
    std::string nextName(int button) {
        const bool coil = button == 9 || button == 21;
        const int n = coil ? coils_++ : contacts_++;
        const char letter = coil ? 'Y' : "XMT"[(n / 100) % 3];
        return {letter, static_cast<char>('0' + (n / 10) % 10), static_cast<char>('0' + n % 10)};
    }
    int contacts_ = 0;
    int coils_ = 0;
};

// Rail contact and nine series contacts, normally open and closed in turn.
constexpr int kSeriesRung[] = {1, 5, 6, 5, 6, 5, 6, 5, 6, 5};
// Rail contact, then branches closed into the rung above at columns 15, 30
// and 50; a continuation after each closing contact.
constexpr int kBranchRung[] = {1, 5, 7, 5, 6, 8, 5, 6, 5, 7};

}  // namespace

std::vector<SheetStep> fullSheetSteps(int lastRowElements) {
    Builder b;
    for (int rung = 0; rung < 129; ++rung) {
        const bool branch = rung % 2 == 1;
        for (int button : branch ? kBranchRung : kSeriesRung) b.press(button);
        b.press(branch ? 21 : 9);
        b.press(11);
    }
    if (lastRowElements > 0) {
        for (int i = 0; i < lastRowElements && i < 10; ++i) b.press(kSeriesRung[i]);
    } else {
        b.press(22);
    }
    return b.steps;
}

std::vector<SheetStep> branchStackSheetSteps() {
    auto name = [](char kind, int n) {
        return std::string{kind, static_cast<char>('0' + (n / 10) % 10), static_cast<char>('0' + n % 10)};
    };
    std::vector<SheetStep> steps;
    for (int k = 0; k < 64; ++k) {
        const std::string coil = name('Y', k);
        steps.push_back({1, name('X', 10 * k)});
        steps.push_back({6, name('X', 10 * k + 1)});
        for (int i = 2; i < 9; ++i) steps.push_back({5, name('X', 10 * k + i)});
        steps.push_back({5, name('Y', k + 99)});
        steps.push_back({9, coil});
        steps.push_back({11, {}});
        steps.push_back({3, coil});
        for (int i = 0; i < 9; ++i) steps.push_back({5, name('M', 10 * k + i)});
        steps.push_back({9, name('L', k)});
        steps.push_back({11, {}});
    }
    for (int i = 0; i < 10; ++i) steps.push_back({kSeriesRung[i], name('T', i)});
    steps.push_back({9, "Z99"});
    steps.push_back({11, {}});
    steps.push_back({22, {}});
    return steps;
}

std::string QuietUserInterface::inputBox(const std::string&, const std::string&) {
    if (replies.empty()) throw std::runtime_error("the name prompt has no reply left");
    std::string reply = replies.front();
    replies.pop_front();
    return reply;
}

void play(Ladder& ladder, QuietUserInterface& ui, const std::vector<SheetStep>& steps) {
    for (const SheetStep& step : steps) {
        if (!step.reply.empty()) ui.replies.push_back(step.reply);
        const int before = ladder.state.CurCol + 1000 * ladder.state.CurRow + 100000 * ladder.state.LastKind;
        if (pressButton(ladder, step.button) != ClickResult::Done)
            throw std::runtime_error("button " + std::to_string(step.button) + " was not pressable");
        const int after = ladder.state.CurCol + 1000 * ladder.state.CurRow + 100000 * ladder.state.LastKind;
        if (before == after && step.button != 17)
            throw std::runtime_error("button " + std::to_string(step.button) + " was refused");
    }
}

std::string replayScript(const std::vector<SheetStep>& steps, const std::vector<int>& moreClicks) {
    std::string script;
    for (const SheetStep& step : steps) {
        if (!step.reply.empty()) script += "answer " + step.reply + "\n";
        script += "click " + std::to_string(step.button) + "\n";
    }
    for (int n : moreClicks) script += "click " + std::to_string(n) + "\n";
    return script;
}

}  // namespace lp::bench
