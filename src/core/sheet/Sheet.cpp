#include "sheet/Sheet.h"

#include "sheet/Glyphs.h"

#include <algorithm>

namespace lp {

namespace {
const std::string kOutside;
constexpr std::size_t kCells = static_cast<std::size_t>(kLastRow - kFirstRow + 1) * kColCount;
}  // namespace

Sheet::Sheet()
    : cells_(kCells, std::string(glyph::blank)),
      emitted_(kCells, 0),
      joined_(kCells, 0),
      rowEnd_(kLastRow + 1, 0) {}

const std::string& Sheet::cell(int row, int col) const {
    if (!inside(row, col)) return kOutside;
    return cells_[index(row, col)];
}

void Sheet::setCell(int row, int col, std::string_view text) {
    if (!inside(row, col)) return;
    cells_[index(row, col)].assign(text);
}

int16_t Sheet::emitted(int row, int col) const { return inside(row, col) ? emitted_[index(row, col)] : 0; }

void Sheet::setEmitted(int row, int col, int16_t value) {
    if (inside(row, col)) emitted_[index(row, col)] = value;
}

int16_t Sheet::joined(int row, int col) const { return inside(row, col) ? joined_[index(row, col)] : 0; }

void Sheet::setJoined(int row, int col, int16_t value) {
    if (inside(row, col)) joined_[index(row, col)] = value;
}

int16_t Sheet::rowEnd(int row) const { return insideRows(row) ? rowEnd_[static_cast<std::size_t>(row)] : 0; }

void Sheet::setRowEnd(int row, int16_t value) {
    if (insideRows(row)) rowEnd_[static_cast<std::size_t>(row)] = value;
}

void Sheet::clear() {
    for (auto& c : cells_) c.assign(glyph::blank);
    clearMarks();
    std::fill(rowEnd_.begin(), rowEnd_.end(), 0);
}

void Sheet::clearMarks() {
    std::fill(emitted_.begin(), emitted_.end(), 0);
    std::fill(joined_.begin(), joined_.end(), 0);
}

std::string Sheet::rowText(int row) const {
    std::string text;
    if (!insideRows(row)) return text;
    text.reserve(kColCount * 3);
    for (int col = kFirstCol; col <= kLastCol; ++col) text += cells_[index(row, col)];
    return text;
}

bool Sheet::rowIsBlank(int row) const {
    if (!insideRows(row)) return false;
    for (int col = kFirstCol; col <= kLastCol; ++col)
        if (cells_[index(row, col)] != glyph::blank) return false;
    return true;
}

}  // namespace lp
