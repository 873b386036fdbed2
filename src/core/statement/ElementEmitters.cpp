// LDorLDI, ANDorANI, ORorORI and OUT: one line per element, chosen by the
// element's type cell.
#include "sheet/Glyphs.h"
#include "statement/Emitters.h"
#include "statement/ScanContext.h"
#include "statement/StatementLines.h"

namespace lp {

namespace {

// Marks the element before looking at it, so that an element that gives no
// line (a line piece) is passed over on every later call too. Returns false
// when the element was marked already.
bool markFirstVisit(Sheet& sheet, int16_t I1, int16_t J1) {
    if (sheet.emitted(I1, J1) != 0) return false;
    sheet.setEmitted(I1, J1, 1);
    return true;
}

void contact(ScanContext& x, int16_t I1, int16_t J1, std::string_view normallyOpen,
             std::string_view normallyClosed) {
    if (!markFirstVisit(x.sheet(), I1, J1)) return;
    const std::string& type = x.C(I1, J1 + 2);
    std::string_view chosen;
    if (type == glyph::blank)
        chosen = normallyOpen;
    else if (type == glyph::slash)
        chosen = normallyClosed;
    else
        return;
    mnemonic::appendLine(x.ladder.StatementList, chosen, x.C(I1 - 1, J1 + 1));
}

}  // namespace

void LDorLDI(ScanContext& x, int16_t& I1, int16_t& J1) { contact(x, I1, J1, mnemonic::LD, mnemonic::LDI); }

void ANDorANI(ScanContext& x, int16_t& I1, int16_t& J1) { contact(x, I1, J1, mnemonic::AND, mnemonic::ANI); }

void ORorORI(ScanContext& x, int16_t& I1, int16_t& J1) { contact(x, I1, J1, mnemonic::OR, mnemonic::ORI); }

void OUT(ScanContext& x, int16_t& I1, int16_t& J1) {
    if (!markFirstVisit(x.sheet(), I1, J1)) return;
    // The coil's name stands above its body, whatever column the coil's
    // line fill started at.
    mnemonic::appendLine(x.ladder.StatementList, mnemonic::OUT, x.C(I1 - 1, 53));
}

}  // namespace lp
