#pragma once
// How a window showing the printed sheet follows the editing: which lines a
// new picture repaints, and how far the view scrolls to keep the rung being
// drawn in sight. The lines stand on a grid of half-width columns.
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace lp {

struct LineRange {
    int first;
    int last;  // last < first: none
    bool empty() const { return last < first; }
};

// The lines (0-based) that differ between the shown picture (shownCount
// lines, shownLine(i) each) and the next one, with the lines past the next
// picture's end when it is shorter.
LineRange changedLines(std::size_t shownCount, const std::function<const std::string&(std::size_t)>& shownLine,
                       const std::vector<std::string>& next);

struct SheetGrid {
    double columnWidth;  // pixels
    int lineHeight;      // pixels
    int padding;         // pixels between the border and the first column / line
};

struct ScrollPosition {
    int x, y;
};

// The scroll position that moves as little as needed from `now` so that the
// rung whose graphics row is `row` (1-based; its name row above it too) and
// one element slot from `column` are in a view of viewWidth x viewHeight.
// Nothing right of `contentWidth` (the printed rungs' right edge, right rail
// included) is wanted, so a view as wide as the rungs never scrolls
// sideways. The caller keeps the result within its scroll range.
ScrollPosition scrollToShow(ScrollPosition now, int viewWidth, int viewHeight, const SheetGrid& grid, int row,
                            int column, int contentWidth = std::numeric_limits<int>::max());

}  // namespace lp
