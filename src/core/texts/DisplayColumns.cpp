#include "texts/DisplayColumns.h"

#include <utility>

namespace lp {

namespace {

// The code point starting at text[i] and its length in bytes. A malformed
// sequence gives one U+FFFD for its longest well-formed beginning (at least
// one byte), as the usual converters do.
std::pair<char32_t, std::size_t> decodeAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t cp = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;  // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else
        return {0xFFFD, 1};
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= text.size()) return {0xFFFD, k};
        const unsigned char b = byte(i + k);
        const bool fits = k == 1 ? (b >= low && b <= high) : (b & 0xC0) == 0x80;
        if (!fits) return {0xFFFD, k};
        cp = (cp << 6) | (b & 0x3F);
    }
    return {cp, length};
}

}  // namespace

std::vector<PlacedCodePoint> placeLine(std::string_view line) {
    std::vector<PlacedCodePoint> placed;
    placed.reserve(line.size());
    int column = 0;
    for (std::size_t i = 0; i < line.size();) {
        const auto [cp, length] = decodeAt(line, i);
        const int width = displayWidth(cp);
        placed.push_back({cp, i, length, column, width});
        column += width;
        i += length;
    }
    return placed;
}

int displayColumns(std::string_view text) {
    int columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto [cp, length] = decodeAt(text, i);
        columns += displayWidth(cp);
        i += length;
    }
    return columns;
}

}  // namespace lp
