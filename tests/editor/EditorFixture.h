#pragma once
// A main window's core with a scripted user, set up as after Form_Load and
// Form_Activate, and the helpers the editor tests share.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "StateDump.h"
#include "app/Buttons.h"
#include "sheet/Ladder.h"
#include "sheet/PaletteTables.h"
#include "support/FakeUserInterface.h"

namespace lp::test {

class EditorTest : public ::testing::Test {
protected:
    FakeUserInterface ui;
    Ladder ladder{ui};

    void SetUp() override {
        ladder.Form_Load();
        ladder.Form_Activate();
    }

    // Presses a button as the user would; it must be enabled and built.
    void press(int n) { ASSERT_EQ(pressButton(ladder, n), ClickResult::Done) << "button " << n; }
    // Presses a button that asks for a name, answering with `name`.
    void press(int n, const std::string& name) {
        ui.replies.push_back(name);
        press(n);
        EXPECT_TRUE(ui.replies.empty()) << "button " << n << " did not ask for its name";
    }

    const std::string& cell(int row, int col) const { return ladder.sheet.cell(row, col); }
    std::vector<std::string> cells(int row, int from, int to) const {
        std::vector<std::string> out;
        for (int col = from; col <= to; ++col) out.push_back(ladder.sheet.cell(row, col));
        return out;
    }
    void setCells(int row, int col, const std::vector<std::string>& texts) {
        for (const auto& t : texts) ladder.sheet.setCell(row, col++, t);
    }
    int rowEnd(int row) const { return ladder.sheet.rowEnd(row); }
    std::string enabled() const { return ladder.palette.enabledString(); }

    // Everything the user or a later command could see: the replay dump,
    // the last name, the conversion marks, the loop counters and the scan's
    // work values.
    std::string snapshot() const {
        std::string s = stateDump(ladder);
        s += "DeviceName=" + ladder.state.DeviceName + " LoopRow=" + std::to_string(ladder.state.LoopRow) +
             " LoopCol=" + std::to_string(ladder.state.LoopCol) + " scan=" + std::to_string(ladder.scan.SaveRow) +
             ',' + std::to_string(ladder.scan.ScanCol) + ',' + std::to_string(ladder.scan.HoldPos) + '\n';
        for (int row = kFirstRow; row <= kLastRow; ++row)
            for (int col = kFirstCol; col <= kLastCol; ++col)
                if (ladder.sheet.emitted(row, col) || ladder.sheet.joined(row, col))
                    s += "mark " + std::to_string(row) + ',' + std::to_string(col) + '=' +
                         std::to_string(ladder.sheet.emitted(row, col)) + '/' +
                         std::to_string(ladder.sheet.joined(row, col)) + '\n';
        return s;
    }

    // The grid, RowEnd and the cursor: what step back promises to restore.
    std::string sheetAndCursor() const {
        std::string s = "cursor " + std::to_string(ladder.state.CurRow) + ',' + std::to_string(ladder.state.CurCol) +
                        " kind " + std::to_string(ladder.state.LastKind) + " width " +
                        std::to_string(ladder.state.LastWidth) + '\n';
        for (int row = kFirstRow; row <= kLastRow; ++row) {
            if (ladder.sheet.rowEnd(row)) s += "end " + std::to_string(row) + '=' + std::to_string(rowEnd(row)) + '\n';
            if (!ladder.sheet.rowIsBlank(row)) s += std::to_string(row) + ":|" + ladder.sheet.rowText(row) + "|\n";
        }
        return s;
    }
};

// The palette after a command, from the state before it and the command's
// named table (sheet/PaletteTables.h).
inline std::string applyTable(const std::string& before, std::string_view table) {
    std::string out = before;
    for (std::size_t i = 0; i < table.size() && i < out.size(); ++i)
        if (table[i] != '=') out[i] = table[i];
    return out;
}


}  // namespace lp::test
