// The eight contacts: four that start a rung at the left rail and four that
// continue it in series; each has a normally-open and a normally-closed
// member, and a plain form (ending in "━") and a branch-closing form
// (ending in "┛", joined upward to the line above).
#include "editor/Commands.h"
#include "sheet/PaletteTables.h"
#include "editor/NamePrompt.h"
#include "editor/Placement.h"
#include "editor/PlacementGuard.h"
#include "sheet/DrawingRules.h"
#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"

namespace lp {

namespace {

struct ContactForm {
    int kind;
    std::string_view mark;  // middle cell: "  " normally open, "╱" normally closed
    bool closing;           // last cell "┛" with a closing join
};

void placeRailContact(Ladder& ladder, const ContactForm& form) {
    if (refuseSlot(ladder)) return;
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol;
    Palette& p = ladder.palette;
    // The palette changes before the prompt, so it already shows the
    // inside-a-rung state behind the modal box.
    p.apply(paletteTable::afterRailContact);
    leftRailRule(ladder);
    namePrompt(ladder, kContactPrompt);
    addRowEnd(ladder, row, 6);
    writeCells(ladder, row, col,
               {glyph::vr, glyph::vl, form.mark, glyph::vr, form.closing ? glyph::ul : glyph::h});
    writeContactName(ladder, row, col);
    if (form.closing) closingJoin(ladder, col + 4);
    ladder.state.CurCol = col + 5;
    recordPlacement(ladder, 5, form.kind);
    ladder.Fresh();
}

void placeSeriesContact(Ladder& ladder, const ContactForm& form) {
    if (refuseSlot(ladder)) return;
    const int row = ladder.state.CurRow;
    const int col = ladder.state.CurCol;
    enableStepBack(ladder);
    continuationFix(ladder);
    namePrompt(ladder, kContactPrompt);
    addRowEnd(ladder, row, 5);
    writeCells(ladder, row, col,
               {glyph::h, glyph::plateL, form.mark, glyph::plateR, form.closing ? glyph::ul : glyph::h});
    writeContactName(ladder, row, col);
    if (form.closing) closingJoin(ladder, col + 4);
    // After a blank slot the contact starts a branch dropped from the line
    // above; the closing join (if any) has already run.
    if (ladder.state.LastKind == 18) droppedBranchStart(ladder);
    ladder.state.CurCol = col + 5;
    recordPlacement(ladder, 5, form.kind);
    ladder.Fresh();
    ladder.palette.apply(form.closing ? paletteTable::afterClosingElement : paletteTable::afterSeriesElement);
}

}  // namespace

void Command1_Click(Ladder& ladder) { placeRailContact(ladder, {1, glyph::blank, false}); }
void Command2_Click(Ladder& ladder) { placeRailContact(ladder, {2, glyph::slash, false}); }
void Command3_Click(Ladder& ladder) { placeRailContact(ladder, {3, glyph::blank, true}); }
void Command4_Click(Ladder& ladder) { placeRailContact(ladder, {4, glyph::slash, true}); }
void Command5_Click(Ladder& ladder) { placeSeriesContact(ladder, {5, glyph::blank, false}); }
void Command6_Click(Ladder& ladder) { placeSeriesContact(ladder, {6, glyph::slash, false}); }
void Command7_Click(Ladder& ladder) { placeSeriesContact(ladder, {7, glyph::blank, true}); }
void Command8_Click(Ladder& ladder) { placeSeriesContact(ladder, {8, glyph::slash, true}); }

}  // namespace lp
