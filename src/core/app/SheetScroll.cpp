#include "app/SheetScroll.h"

#include <algorithm>
#include <cmath>

namespace lp {

namespace {
constexpr int kSlotColumns = 10;  // one element slot: five cells of two columns
}

LineRange changedLines(std::size_t shownCount, const std::function<const std::string&(std::size_t)>& shownLine,
                       const std::vector<std::string>& next) {
    LineRange range{static_cast<int>(next.size()), -1};
    for (std::size_t i = 0; i < next.size(); ++i) {
        if (i < shownCount && shownLine(i) == next[i]) continue;
        range.first = std::min(range.first, static_cast<int>(i));
        range.last = static_cast<int>(i);
    }
    if (shownCount > next.size()) {  // the lines past the new end are wiped
        range.first = std::min(range.first, static_cast<int>(next.size()));
        range.last = static_cast<int>(shownCount) - 1;
    }
    return range;
}

ScrollPosition scrollToShow(ScrollPosition now, int viewWidth, int viewHeight, const SheetGrid& grid, int row,
                            int column, int contentWidth) {
    const auto lineTop = [&](int line) { return grid.padding + line * grid.lineHeight; };
    const auto columnLeft = [&](int col) { return grid.padding + col * grid.columnWidth; };
    const int top = lineTop(std::max(0, row - 2)) - grid.padding;
    const int bottom = lineTop(std::max(0, row)) + grid.padding;
    if (bottom - now.y > viewHeight) now.y = bottom - viewHeight;
    if (top < now.y) now.y = top;
    column = std::max(0, column);
    const int left = static_cast<int>(columnLeft(column)) - grid.padding;
    const int right = std::min(static_cast<int>(std::ceil(columnLeft(column + kSlotColumns))) + grid.padding,
                               std::max(contentWidth, left));
    if (right - now.x > viewWidth) now.x = right - viewWidth;
    if (left < now.x) now.x = left;
    return now;
}

}  // namespace lp
