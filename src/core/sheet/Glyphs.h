#pragma once
// The texts a sheet cell can hold, besides device names typed by the user.
#include <string_view>

namespace lp::glyph {

inline constexpr std::string_view blank = "  ";      // blank cell: two half-width spaces
inline constexpr std::string_view h = "━";           // horizontal line
inline constexpr std::string_view v = "┃";           // vertical line
inline constexpr std::string_view vr = "┣";          // rail junction, right plate at the rail, joined "┗"
inline constexpr std::string_view vl = "┫";          // left plate at the rail, right rail end, joined "┛"
inline constexpr std::string_view plateL = "┥";      // left plate of a series contact
inline constexpr std::string_view plateR = "┝";      // right plate of a series contact
inline constexpr std::string_view slash = "╱";       // normally-closed mark
inline constexpr std::string_view ul = "┛";          // corner: the line turns up
inline constexpr std::string_view ur = "┗";          // corner: a line comes down and turns right
inline constexpr std::string_view hu = "┻";          // "┛" continued to the right
inline constexpr std::string_view hd = "┳";          // line joined from below
inline constexpr std::string_view cross = "╋";       // crossing
inline constexpr std::string_view parenL = "（";     // coil and END brackets (full width)
inline constexpr std::string_view parenR = "）";
inline constexpr std::string_view nameGap = " ";     // the cell after a three-column device name
inline constexpr std::string_view endTail = "     "; // the cell that closes END

// "┻", "┛", "╋", "┫": the glyphs that close a branch.
inline bool isClosing(std::string_view c) { return c == hu || c == ul || c == cross || c == vl; }

}  // namespace lp::glyph
