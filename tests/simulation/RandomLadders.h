#pragma once
// Random diagrams drawn with the palette as a user draws them, converted
// with "转换": the ones whose conversion shows a list.
#include <random>
#include <string>
#include <vector>

#include "check/PaletteDrawing.h"
#include "statement/Convert.h"

namespace lp::test {

inline const std::vector<std::string> kRandomNames = {"X01", "X02", "X03", "Y01", "Y02"};

struct RandomLadder {
    PaletteDrawing drawing;
    std::string steps;  // as PaletteDrawing reads them, to replay a failure

    RandomLadder(std::mt19937& rng, int presses) {
        struct Weighted {
            int button, weight;
        };
        static const Weighted buttons[] = {{1, 3}, {2, 2}, {3, 2},  {4, 1},  {5, 4},  {6, 2},  {7, 3},  {8, 1},
                                           {9, 4}, {10, 1}, {11, 3}, {15, 1}, {16, 1}, {18, 3}, {21, 2}};
        for (int i = 0; i < presses; ++i) {
            std::vector<int> choice;
            for (const Weighted& w : buttons) {
                if (!drawing.ladder.palette.enabled(w.button)) continue;
                const int weight = w.button == 11 && drawing.ladder.palette.enabled(9) ? 1 : w.weight;
                choice.insert(choice.end(), static_cast<std::size_t>(weight), w.button);
            }
            if (choice.empty()) break;
            press(rng, choice[rng() % choice.size()]);
        }
        for (int button : {9, 11, 22})
            if (drawing.ladder.palette.enabled(button)) press(rng, button);
    }

    void press(std::mt19937& rng, int button) {
        const std::string name = kRandomNames[rng() % kRandomNames.size()];
        drawing.ui.replies.assign(1, name);
        pressButton(drawing.ladder, button);
        const bool asked = drawing.ui.replies.empty();
        drawing.ui.replies.clear();
        if (!steps.empty()) steps += ',';
        steps += std::to_string(button);
        if (asked) steps += ' ' + name;
    }

    // Converts; true when Text1 then shows a list.
    bool convert() {
        const std::size_t messages = drawing.ui.messages.size();
        if (!drawing.ladder.palette.enabled(13)) return false;
        Command13_Click(drawing.ladder);
        return drawing.ui.messages.size() == messages && !drawing.ladder.Text1.empty();
    }
};

}  // namespace lp::test
