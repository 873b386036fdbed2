#pragma once
// MainForm's definition: the restored client size and every control with
// its place in twips, caption, font and tab order. Command13, 14, 19 and 20
// sit on the window's bottom row; the other buttons and Label1 in Picture2,
// placed relative to its top-left corner.
#include <span>

#include "app/Controls.h"

namespace lp {

inline constexpr TwipsRect kMainClient{0, 0, 11880, 8595};  // restored

// Picture1, Picture2, Label1, Text1, then Command1..Command22 in number order.
std::span<const ControlSpec> mainFormControls();

// CommandN (1..22).
inline constexpr int kCommandButtons = 22;
const ControlSpec& buttonControl(int number);

// Picture1 is docked to the left edge: full height, this width.
inline constexpr double kPicture1Width = 10815;

}  // namespace lp
