#pragma once
// The palette's state tables: how each command leaves the buttons, as named
// data. A table gives Command1..Command22 left to right, '1' enabled, '0'
// disabled, '=' left as it was; and the bottom row (Command13, Command14,
// Command19, Command20) '1' shown, '0' hidden, '=' left.
#include <string_view>

namespace lp {

struct PaletteChange {
    std::string_view enabled;
    std::string_view visible = "====";
};

namespace paletteTable {
//                                                     1234567890123456789012
inline constexpr PaletteChange atFormLoad{"1111000000000=00=00=01"};
inline constexpr PaletteChange afterRailContact{"0000111111010=11=10=10"};
// A series element (contact or line piece) that continues the rung, and one
// that closes a branch up into the rung above.
inline constexpr PaletteChange afterSeriesElement{"========11==========1="};
inline constexpr PaletteChange afterClosingElement{"========111=========1="};
inline constexpr PaletteChange afterCoil{"0000000001111=00=00=00"};
inline constexpr PaletteChange afterBlankSlot{"0000111101110=11=10=10"};
inline constexpr PaletteChange afterEnd{"0000000001001=00=00=00"};
inline constexpr PaletteChange afterLineFeed{"1111000000110=00=10=11"};
inline constexpr PaletteChange afterReEdit{"1111000000001=00=00=01"};
inline constexpr PaletteChange afterStepBackAtRail{"111100000001==00=1==1="};
inline constexpr PaletteChange afterStepBackInRung{"000011111011==11=0==1="};
// Behind the prompt of a placement: only 后退一步 is offered at once.
inline constexpr PaletteChange stepBackOffered{"=========1============"};
// Undoing END offers END again.
inline constexpr PaletteChange endUndone{"=====================1"};
// 转换: the export row instead of 转换 and 退出, and 重新编辑.
inline constexpr PaletteChange afterConvert{"===========1======1===", "0011"};
}  // namespace paletteTable

}  // namespace lp
