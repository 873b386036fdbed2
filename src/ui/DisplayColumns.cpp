#include "DisplayColumns.h"

namespace lp {

namespace {
// Calls f(codePoint, text) for each code point of the line; an unpaired
// surrogate counts as a character of its own.
template <typename F>
void forEachCodePoint(QStringView line, F f) {
    for (qsizetype i = 0; i < line.size();) {
        const QChar c = line[i];
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, line[i + 1]), line.mid(i, 2));
            i += 2;
        } else {
            f(static_cast<char32_t>(c.unicode()), line.mid(i, 1));
            i += 1;
        }
    }
}
}  // namespace

int displayWidth(char32_t codePoint) { return (codePoint >= 0x20 && codePoint <= 0x7E) ? 1 : 2; }

std::vector<PlacedChar> placeLine(QStringView line) {
    std::vector<PlacedChar> placed;
    placed.reserve(static_cast<std::size_t>(line.size()));
    int column = 0;
    forEachCodePoint(line, [&](char32_t cp, QStringView text) {
        const int width = displayWidth(cp);
        placed.push_back({text.toString(), column, width});
        column += width;
    });
    return placed;
}

int displayColumns(QStringView text) {
    int columns = 0;
    forEachCodePoint(text, [&](char32_t cp, QStringView) { columns += displayWidth(cp); });
    return columns;
}

}  // namespace lp
