#include "circuit/WirePieces.h"

#include <array>
#include <string_view>

#include "sheet/Glyphs.h"
#include "sheet/Sheet.h"

namespace lp {

namespace {

// The line glyphs are all three bytes long in UTF-8: a cell's text is
// classified by one switch on its three bytes, not by one comparison per glyph.
constexpr uint32_t code3(std::string_view text) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[2]));
}

}  // namespace

uint8_t glyphArms(std::string_view text, bool graphicsRow) {
    using namespace arm;
    if (text.size() != 3) return 0;
    const uint32_t code = code3(text);
    if (code == code3(glyph::v)) return N | S;
    if (!graphicsRow) return 0;
    switch (code) {
    case code3(glyph::h): return W | E;
    case code3(glyph::vr): return N | S | E;
    case code3(glyph::vl): return N | S | W;
    case code3(glyph::ul): return N | W;
    case code3(glyph::ur): return N | E;
    case code3(glyph::hu): return N | W | E;
    case code3(glyph::hd): return S | W | E;
    case code3(glyph::cross): return N | S | W | E;
    default: return 0;
    }
}

bool isContactAt(const Sheet& sheet, int row, int slot) {
    const std::string& left = sheet.cell(row, slot + 1);
    const std::string& type = sheet.cell(row, slot + 2);
    const std::string& right = sheet.cell(row, slot + 3);
    return (left == glyph::plateL || left == glyph::vl) && (type == glyph::blank || type == glyph::slash) &&
           (right == glyph::plateR || right == glyph::vr);
}

bool isCoilAt(const Sheet& sheet, int row) {
    return sheet.cell(row, kLeadInCol + 1) == glyph::parenL && sheet.cell(row, kLeadInCol + 3) == glyph::parenR;
}

bool isEndAt(const Sheet& sheet, int row, int col) {
    static constexpr std::array<std::string_view, 10> kEnd = {glyph::vr, glyph::h, glyph::h, glyph::h, glyph::parenL,
                                                             "E",       "N",      "D",      glyph::parenR, glyph::endTail};
    for (std::size_t i = 0; i < kEnd.size(); ++i)
        if (sheet.cell(row, col + static_cast<int>(i)) != kEnd[i]) return false;
    return true;
}

}  // namespace lp
