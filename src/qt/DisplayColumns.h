#pragma once
// The core's display rule of the sheet over Qt's UTF-16 text.
#include <QStringView>
#include <vector>

#include "texts/DisplayColumns.h"

namespace lp {

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
