#pragma once
// Placements that would draw outside the sheet, or onto cells that a later
// element overwrites, are refused before anything changes: one message box
// with the program's title, and no prompt, cell, counter or button state
// touched. Each check returns true when it refused.
namespace lp {

class Ladder;

inline constexpr const char* kNoSlotLeft = "本行已没有空位，不能再放置元件";
inline constexpr const char* kLastRowReached = "已到图纸最后一行，不能再换行";
inline constexpr const char* kNoCoilAbove = "第一行上方没有线圈，不能放置并联线圈";

// The element area is columns 1 to 50; a contact, line piece or blank slot
// needs all five of its cells there (a slot from column 51 on would lie
// under the coil).
inline constexpr int kElementAreaEnd = 50;

// Contacts, line pieces and the blank slot: the slot CurCol..CurCol+4.
bool refuseSlot(Ladder& ladder);
// END: its ten cells CurCol..CurCol+9 must fit in the sheet.
bool refuseEnd(Ladder& ladder);
// Line feed on the last rung (rows 259 and 260).
bool refuseLineFeed(Ladder& ladder);
// Parallel coil on the first rung: there is no rung above to hang from.
bool refuseParallelCoil(Ladder& ladder);

}  // namespace lp
