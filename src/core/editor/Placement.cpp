#include "editor/Placement.h"
#include "sheet/PaletteTables.h"

#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

void writeCells(Ladder& ladder, int row, int col, std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts) ladder.sheet.setCell(row, col++, text);
}

void writeContactName(Ladder& ladder, int row, int col) {
    ladder.sheet.setCell(row - 1, col + 1, ladder.state.DeviceName);
    ladder.sheet.setCell(row - 1, col + 2, glyph::nameGap);
}

void addRowEnd(Ladder& ladder, int row, int amount) {
    ladder.sheet.setRowEnd(row, static_cast<int16_t>(ladder.sheet.rowEnd(row) + amount));
}

void recordPlacement(Ladder& ladder, int16_t width, int kind) {
    EditState& s = ladder.state;
    s.PrevWidth = s.LastWidth;
    s.LastWidth = width;
    s.PrevKind = static_cast<int16_t>(s.LastKind);
    s.LastKind = kind;
}

void enableStepBack(Ladder& ladder) {
    ladder.palette.apply(paletteTable::stepBackOffered);
}

}  // namespace lp
