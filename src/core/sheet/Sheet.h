#pragma once
// The grid of text cells and its per-cell and per-row bookkeeping.
//
// Rows 1..260, columns 0..72. Outside the grid a cell reads as "" (which
// equals no glyph, not even the blank cell), a mark or RowEnd reads as 0,
// and every write is dropped.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lp {

inline constexpr int kFirstRow = 1;
inline constexpr int kLastRow = 260;
inline constexpr int kFirstCol = 0;
inline constexpr int kLastCol = 72;
inline constexpr int kColCount = kLastCol - kFirstCol + 1;

class Sheet {
public:
    Sheet();

    static bool inside(int row, int col) {
        return row >= kFirstRow && row <= kLastRow && col >= kFirstCol && col <= kLastCol;
    }
    static bool insideRows(int row) { return row >= kFirstRow && row <= kLastRow; }

    const std::string& cell(int row, int col) const;
    void setCell(int row, int col, std::string_view text);

    int16_t emitted(int row, int col) const;
    void setEmitted(int row, int col, int16_t value);
    int16_t joined(int row, int col) const;
    void setJoined(int row, int col, int16_t value);
    int16_t rowEnd(int row) const;
    void setRowEnd(int row, int16_t value);

    // Every cell blank, every mark and RowEnd 0.
    void clear();
    // Every Emitted and Joined mark 0; cells and RowEnd untouched.
    void clearMarks();

    // The 73 cells of a row joined with nothing between ("" outside the grid).
    std::string rowText(int row) const;
    // True when every cell of the row is the blank cell.
    bool rowIsBlank(int row) const;

    bool operator==(const Sheet&) const = default;

private:
    static std::size_t index(int row, int col) {
        return static_cast<std::size_t>(row - kFirstRow) * kColCount + static_cast<std::size_t>(col - kFirstCol);
    }
    std::vector<std::string> cells_;
    std::vector<int16_t> emitted_;
    std::vector<int16_t> joined_;
    std::vector<int16_t> rowEnd_;
};

}  // namespace lp
