#include "circuit/WirePieces.h"

#include <array>
#include <string_view>

#include "sheet/Glyphs.h"
#include "sheet/Sheet.h"

namespace lp {

bool isContactAt(const Sheet& sheet, int row, int slot) {
    return isContact(cellKind(sheet.cell(row, slot + 1)), cellKind(sheet.cell(row, slot + 2)),
                     cellKind(sheet.cell(row, slot + 3)));
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
