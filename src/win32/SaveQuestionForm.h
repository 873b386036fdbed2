#pragma once
// The save question's own window: the question, then 保存, 不保存 and 取消
// side by side. Places in twips.
#include <span>

#include "app/Controls.h"

namespace lp::win {

inline constexpr TwipsRect kSaveQuestionClient{0, 0, 4560, 1380};
// Where the system's question icon (32 × 32 at 96 dpi) is painted.
inline constexpr TwipsRect kQuestionIcon{240, 240, 480, 480};

// Question, Save, DontSave, Cancel.
std::span<const ControlSpec> saveQuestionControls();

}  // namespace lp::win
