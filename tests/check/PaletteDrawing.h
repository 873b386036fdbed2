#pragma once
// Diagrams drawn with the real palette, as a user would: each step presses
// one button and answers its name prompt.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "app/Buttons.h"
#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp::test {

class PaletteDrawing {
public:
    FakeUserInterface ui;
    Ladder ladder{ui};

    PaletteDrawing() {
        ladder.Form_Load();
        ladder.Form_Activate();
    }
    explicit PaletteDrawing(std::string_view steps) : PaletteDrawing() { draw(steps); }

    // Steps separated by commas: "N" presses CommandN, "N NAME" presses it
    // and answers its prompt with NAME. Every button must be enabled.
    void draw(std::string_view steps) {
        std::istringstream in{std::string(steps)};
        std::string step;
        while (std::getline(in, step, ',')) {
            std::istringstream words(step);
            int n = 0;
            std::string name;
            words >> n >> name;
            if (!name.empty()) ui.replies.push_back(name);
            const ClickResult r = pressButton(ladder, n);
            ASSERT_EQ(r, ClickResult::Done) << "button " << n << " in \"" << steps << "\"";
            ASSERT_TRUE(ui.replies.empty()) << "button " << n << " left its name unused";
        }
    }

    const Sheet& sheet() const { return ladder.sheet; }
    int curRow() const { return ladder.state.CurRow; }
    int curCol() const { return ladder.state.CurCol; }
};

// "LD  X01", "AND X02" ... each followed by CR LF.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

}  // namespace lp::test
