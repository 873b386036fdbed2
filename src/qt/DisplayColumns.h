#pragma once
// The sheet's display rule: every character stands on a fixed grid of
// half-width columns. A printable ASCII character takes one column, every
// other character two.
#include <QStringView>
#include <vector>

namespace lp {

// Columns taken by one character (a Unicode code point).
int displayWidth(char32_t codePoint);

struct PlacedChar {
    char32_t codePoint;
    qsizetype at;  // where it starts in the line, in UTF-16 units
    int column;    // first column it covers, from 0
    int width;     // 1 or 2

    qsizetype units() const { return QChar::requiresSurrogates(codePoint) ? 2 : 1; }
};

// Every character of a printed line with the column it starts in. An
// unpaired surrogate counts as a character of its own.
std::vector<PlacedChar> placeLine(QStringView line);

// Columns a whole text covers.
int displayColumns(QStringView text);

}  // namespace lp
