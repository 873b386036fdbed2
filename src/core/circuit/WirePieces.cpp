#include "circuit/WirePieces.h"

#include <array>
#include <string_view>

#include "sheet/Glyphs.h"
#include "sheet/Sheet.h"

namespace lp {

uint8_t glyphArms(const std::string& text, bool graphicsRow) {
    using namespace arm;
    if (text == glyph::v) return N | S;
    if (!graphicsRow) return 0;
    if (text == glyph::h) return W | E;
    if (text == glyph::vr) return N | S | E;
    if (text == glyph::vl) return N | S | W;
    if (text == glyph::ul) return N | W;
    if (text == glyph::ur) return N | E;
    if (text == glyph::hu) return N | W | E;
    if (text == glyph::hd) return S | W | E;
    if (text == glyph::cross) return N | S | W | E;
    return 0;
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
