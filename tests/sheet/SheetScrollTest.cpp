// A view of the printed sheet follows the editing: a new picture repaints
// the lines it changes, and the view moves no further than needed to show
// the rung being drawn.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/SheetScroll.h"

namespace lp {
namespace {

TEST(SheetScroll, ChangedLinesCoverEveryDifference) {
    std::mt19937 random(3);
    const std::vector<std::string> pieces{"", "┃", "┣┫  ┣━", "X01 "};
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> shown(random() % 8), next(random() % 8);
        for (auto& line : shown) line = pieces[random() % pieces.size()];
        for (auto& line : next) line = pieces[random() % pieces.size()];
        const LineRange range = changedLines(
            shown.size(), [&](std::size_t i) -> const std::string& { return shown[i]; }, next);
        const std::size_t lines = std::max(shown.size(), next.size());
        for (std::size_t i = 0; i < lines; ++i) {
            const bool differs = i >= shown.size() || i >= next.size() || shown[i] != next[i];
            const bool inside = static_cast<int>(i) >= range.first && static_cast<int>(i) <= range.last;
            if (differs) {
                EXPECT_TRUE(inside) << "line " << i;
            }
        }
        if (!range.empty()) {
            EXPECT_TRUE(range.first >= static_cast<int>(shown.size()) || range.first >= static_cast<int>(next.size()) ||
                        shown[range.first] != next[range.first]);
        } else {
            EXPECT_EQ(shown, next);
        }
    }
}

TEST(SheetScroll, ShowsTheRungAndMovesNoFurtherThanNeeded) {
    const SheetGrid grid{7.5, 15, 2};
    std::mt19937 random(5);
    for (int round = 0; round < 1000; ++round) {
        const ScrollPosition now{static_cast<int>(random() % 800), static_cast<int>(random() % 3000)};
        const int width = 200 + static_cast<int>(random() % 600), height = 100 + static_cast<int>(random() % 600);
        const int row = 2 + 2 * static_cast<int>(random() % 100), column = static_cast<int>(random() % 140);
        const ScrollPosition to = scrollToShow(now, width, height, grid, row, column);
        const int top = (row - 2) * grid.lineHeight, bottom = grid.padding * 2 + row * grid.lineHeight;
        EXPECT_LE(to.y, top);
        EXPECT_GE(to.y + height, bottom);
        const double left = column * grid.columnWidth, right = 2 * grid.padding + (column + 10) * grid.columnWidth;
        EXPECT_LE(to.x, left + 1);
        EXPECT_GE(to.x + width, right - 1);
        // Already in sight: nothing moves.
        EXPECT_EQ(scrollToShow(to, width, height, grid, row, column).x, to.x);
        EXPECT_EQ(scrollToShow(to, width, height, grid, row, column).y, to.y);
        // Rungs as wide as the view: the left rail stays in sight.
        const int inRung = column % static_cast<int>((width - 2 * grid.padding) / grid.columnWidth);
        EXPECT_EQ(scrollToShow({0, now.y}, width, height, grid, row, inRung, width).x, 0);
    }
}

}  // namespace
}  // namespace lp
