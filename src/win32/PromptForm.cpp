#include "PromptForm.h"

#include <array>

#include "app/BoxTexts.h"

namespace lp::win {

namespace {
using K = ControlKind;
const std::array kControls{
    ControlSpec{"Prompt", K::Label, "", {180, 180, 4290, 1020}, {}, 0},
    ControlSpec{"Reply", K::TextBox, "", {180, 1380, 5640, 345}, {}, 1, true},
    ControlSpec{"OK", K::Button, kOkText, {4620, 180, 1200, 375}, {}, 2, true, ButtonRole::Default},
    ControlSpec{"Cancel", K::Button, kCancelText, {4620, 660, 1200, 375}, {}, 3, true, ButtonRole::Cancel},
};
}  // namespace

std::span<const ControlSpec> promptControls() { return kControls; }

}  // namespace lp::win
