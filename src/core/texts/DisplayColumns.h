#pragma once
// The sheet's display rule: every character stands on a fixed grid of
// half-width columns. A printable ASCII character takes one column, every
// other character two.
#include <cstddef>
#include <string_view>
#include <vector>

namespace lp {

// Columns taken by one character (a Unicode code point).
inline int displayWidth(char32_t codePoint) { return (codePoint >= 0x20 && codePoint <= 0x7E) ? 1 : 2; }

struct PlacedCodePoint {
    char32_t codePoint;  // U+FFFD for bytes that form no character
    std::size_t at;      // where it starts in the line, in bytes
    std::size_t bytes;   // how many bytes it takes
    int column;          // first column it covers, from 0
    int width;           // 1 or 2
};

// Every character of a printed UTF-8 line with the column it starts in.
// Bytes that form no character stand as one U+FFFD for the longest
// beginning of a well-formed sequence among them, or for one byte.
std::vector<PlacedCodePoint> placeLine(std::string_view line);

// Columns a whole UTF-8 text covers.
int displayColumns(std::string_view text);

}  // namespace lp
