#pragma once
// frmLogin's definition: caption, client size and controls.
#include <span>

#include "app/Controls.h"
#include "app/Login.h"

namespace lp {

inline constexpr TwipsRect kLoginClient{0, 0, 3750, 1545};

// lblLabels0, txtUserName, lblLabels1, txtPassword, cmdOK, cmdCancel.
std::span<const ControlSpec> loginControls();

}  // namespace lp
