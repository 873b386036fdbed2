#pragma once
// Palette sessions for the circuits the tests convert (see PaletteDrawing).
namespace lp::test::diagram {

// X01 · X02 -> Y01; ¬X03 -> Y02; END.
inline constexpr const char* typical = "1 X01,5 X02,9 Y01,11,2 X03,9 Y02,11,22";
// (X01 + X02) · X03 -> Y01, the branch closing at the rail contact; END.
inline constexpr const char* railBranch = "1 X01,5 X03,9 Y01,11,3 X02,18,11,22";
// X01 · (X02 + X03) -> Y01, the branch dropping from column 5 and closing at 10.
inline constexpr const char* dropAfterOne = "1 X01,5 X02,9 Y01,11,18,7 X03,11,22";
// X01 · X02 · (X03 + X04) -> Y01, the branch dropping after two blank slots.
inline constexpr const char* dropAfterTwo = "1 X01,5 X02,5 X03,9 Y01,11,18,18,7 X04,11,22";
// Seal-in: (X01 + Y01) · ¬X02 -> Y01.
inline constexpr const char* sealIn = "1 X01,6 X02,9 Y01,11,3 Y01,18,11,22";
// Interlock: X01 · ¬Y02 -> Y01; X02 · ¬Y01 -> Y02.
inline constexpr const char* interlock = "1 X01,6 Y02,9 Y01,11,1 X02,6 Y01,9 Y02,11,22";
// A branch in the middle of a chain: X01 · (X02 + X03) · X04 -> Y01.
inline constexpr const char* middleBranch = "1 X01,5 X02,5 X04,9 Y01,11,18,7 X03,11,22";
// Two-contact branches: X01 · X02 + X03 · X04 -> Y01.
inline constexpr const char* twoContactBranches = "1 X01,5 X02,9 Y01,11,1 X03,7 X04,11,22";
// Blocks in series: (X01 + X02) · (X03 + X04) -> Y01.
inline constexpr const char* blocksInSeries = "1 X01,5 X03,9 Y01,11,3 X02,7 X04,11,22";
// Nested: X01 · (X02 · (X03 + X04) + ¬X05) -> Y01.
inline constexpr const char* nested = "1 X01,5 X02,5 X03,9 Y01,11,18,18,7 X04,11,18,15,8 X05,11,22";
// Parallel coils: X01 -> Y01, Y02, Y03.
inline constexpr const char* parallelCoils = "1 X01,9 Y01,11,21 Y02,11,21 Y03,11,22";
// A branch row that carries on to its own coil: X01 · X02 -> Y01, X01 · X03 -> Y02.
inline constexpr const char* branchToOwnCoil = "1 X01,5 X02,9 Y01,11,18,5 X03,9 Y02,11,22";
// The same with a shared part that reads the coil the rung writes first:
// ¬Y01 · X02 -> Y01, ¬Y01 · X03 -> Y02.
inline constexpr const char* sharedPartReadsCoil = "2 Y01,5 X02,9 Y01,11,18,5 X03,9 Y02,11,22";
// A branch that reads the coil the rung writes first: X01 · X02 -> Y01,
// X01 · Y01 -> Y02, with Y01 from before the rung.
inline constexpr const char* branchRereadsCoil = "1 X01,5 X02,9 Y01,11,18,5 Y01,9 Y02,11,22";
// A seal-in with a pilot lamp on the seal-in's node:
// (X01 + Y01) · ¬X02 -> Y01, (X01 + Y01) · X03 -> Y02.
inline constexpr const char* sealInWithLamp = "1 X01,6 X02,9 Y01,11,3 Y01,5 X03,9 Y02,11,22";
// A bridge: X01 (rail-a), X02 (a-t), X05 (a-b), X06 (b-t), X03 · X04 (rail-b).
inline constexpr const char* bridge = "1 X01,5 X02,9 Y01,11,18,5 X05,7 X06,11,1 X03,7 X04,11,22";
// Row 4 holds a contact that drives no coil.
inline constexpr const char* danglingRow = "1 X01,9 Y01,11,1 X02,18,11,22";
// A parallel coil on row 6 under an empty row 4.
inline constexpr const char* parallelCoilUnderNothing = "1 X01,9 Y01,11,11,21 Y02,11,22";

}  // namespace lp::test::diagram
