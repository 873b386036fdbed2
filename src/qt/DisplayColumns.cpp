#include "DisplayColumns.h"

namespace lp {

namespace {
// Calls f(codePoint, at) for each code point of the line.
template <typename F>
void forEachCodePoint(QStringView line, F f) {
    for (qsizetype i = 0; i < line.size();) {
        const QChar c = line[i];
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, line[i + 1]), i);
            i += 2;
        } else {
            f(static_cast<char32_t>(c.unicode()), i);
            i += 1;
        }
    }
}
}  // namespace

std::vector<PlacedChar> placeLine(QStringView line) {
    std::vector<PlacedChar> placed;
    placed.reserve(static_cast<std::size_t>(line.size()));
    int column = 0;
    forEachCodePoint(line, [&](char32_t cp, qsizetype at) {
        const int width = displayWidth(cp);
        placed.push_back({cp, at, column, width});
        column += width;
    });
    return placed;
}

int displayColumns(QStringView text) {
    int columns = 0;
    forEachCodePoint(text, [&](char32_t cp, qsizetype) { columns += displayWidth(cp); });
    return columns;
}

}  // namespace lp
