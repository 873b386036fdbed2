#pragma once
// What each cell of the sheet is as a piece of the circuit: the arms of a
// line glyph, the plates and the switch of a contact, the coil.
#include <cstdint>
#include <string_view>

#include "sheet/Glyphs.h"

namespace lp {

class Sheet;

namespace arm {
inline constexpr uint8_t N = 1;
inline constexpr uint8_t S = 2;
inline constexpr uint8_t W = 4;
inline constexpr uint8_t E = 8;
}  // namespace arm

// Columns of the coil: the lead-in, the brackets and the name above the body.
inline constexpr int kLeadInCol = 51;
inline constexpr int kCoilNameCol = 53;
inline constexpr int kLeftRailCol = 1;

// What a cell's text is to the circuit: one of the glyphs that make wire or
// contacts, or anything else (a name, a bracket, "" outside the grid).
enum class CellKind : uint8_t { Other, Blank, Slash, PlateL, PlateR, H, V, VR, VL, UL, UR, HU, HD, Cross };

namespace detail {
// The three bytes of a glyph as one number.
constexpr uint32_t code3(std::string_view text) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[2]));
}
}  // namespace detail

// Every cell of the sheet goes through this when the circuit is read, so it
// is inline, and classifies by one switch: all the glyphs that matter but
// the blank cell are three bytes long in UTF-8.
inline CellKind cellKind(std::string_view text) {
    using detail::code3;
    if (text == glyph::blank) return CellKind::Blank;
    if (text.size() != 3) return CellKind::Other;
    switch (code3(text)) {
    case code3(glyph::slash): return CellKind::Slash;
    case code3(glyph::plateL): return CellKind::PlateL;
    case code3(glyph::plateR): return CellKind::PlateR;
    case code3(glyph::h): return CellKind::H;
    case code3(glyph::v): return CellKind::V;
    case code3(glyph::vr): return CellKind::VR;
    case code3(glyph::vl): return CellKind::VL;
    case code3(glyph::ul): return CellKind::UL;
    case code3(glyph::ur): return CellKind::UR;
    case code3(glyph::hu): return CellKind::HU;
    case code3(glyph::hd): return CellKind::HD;
    case code3(glyph::cross): return CellKind::Cross;
    default: return CellKind::Other;
    }
}

// The arms of a line glyph in a graphics row ("━" W E, "┃" N S, "┣" N S E,
// "┫" N S W, "┛" N W, "┗" N E, "┻" N W E, "┳" S W E, "╋" N S W E); 0 for any
// other text. In a name row only "┃" is wire.
inline uint8_t armsOf(CellKind kind, bool graphicsRow) {
    using namespace arm;
    if (kind == CellKind::V) return N | S;
    if (!graphicsRow) return 0;
    switch (kind) {
    case CellKind::H: return W | E;
    case CellKind::VR: return N | S | E;
    case CellKind::VL: return N | S | W;
    case CellKind::UL: return N | W;
    case CellKind::UR: return N | E;
    case CellKind::HU: return N | W | E;
    case CellKind::HD: return S | W | E;
    case CellKind::Cross: return N | S | W | E;
    default: return 0;
    }
}

inline uint8_t glyphArms(std::string_view text, bool graphicsRow) { return armsOf(cellKind(text), graphicsRow); }

// Graphics rows are the even rows.
inline bool isGraphicsRow(int row) { return row % 2 == 0; }

// A contact whose slot starts at column `slot` of graphics row `row`: its
// left plate ("┥", or "┫" at the rail) at slot + 1, its type cell ("  "
// normally open, "╱" normally closed) at slot + 2, its right plate ("┝", or
// "┣") at slot + 3. Slots start at columns 1, 6, 11, ...
inline bool isContact(CellKind left, CellKind type, CellKind right) {
    return (left == CellKind::PlateL || left == CellKind::VL) && (type == CellKind::Blank || type == CellKind::Slash) &&
           (right == CellKind::PlateR || right == CellKind::VR);
}
bool isContactAt(const Sheet& sheet, int row, int slot);

// A coil on graphics row `row`: "（" in column 52 and "）" in column 54.
bool isCoilAt(const Sheet& sheet, int row);

// The END element at (row, col): "┣", "━", "━", "━", "（", "E", "N", "D",
// "）", "     ".
bool isEndAt(const Sheet& sheet, int row, int col);

}  // namespace lp
