#pragma once
// The name prompt's own window: the prompt text, an edit box for the reply,
// OK and Cancel. Places in twips.
#include <span>

#include "app/Controls.h"

namespace lp::win {

inline constexpr TwipsRect kPromptClient{0, 0, 6000, 1950};

// Prompt, Reply, OK, Cancel.
std::span<const ControlSpec> promptControls();

}  // namespace lp::win
