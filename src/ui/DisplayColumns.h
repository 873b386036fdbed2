#pragma once
// The sheet's display rule: every character stands on a fixed grid of
// half-width columns. A printable ASCII character takes one column, every
// other character two.
#include <QString>
#include <QStringView>
#include <vector>

namespace lp {

// Columns taken by one character (a Unicode code point).
int displayWidth(char32_t codePoint);

struct PlacedChar {
    QString text;  // one code point (two UTF-16 units outside the BMP)
    int column;    // first column it covers, from 0
    int width;     // 1 or 2
};

// Every character of a printed line with the column it starts in.
std::vector<PlacedChar> placeLine(QStringView line);

// Columns a whole text covers.
int displayColumns(QStringView text);

}  // namespace lp
