#include "SaveQuestionForm.h"

#include <array>

#include "texts/DrawingTexts.h"

namespace lp::win {

namespace {
using K = ControlKind;
const std::array kControls{
    // The question icon is painted at kQuestionIcon, left of the text.
    ControlSpec{"Question", K::Label, "", {900, 300, 3420, 375}, {}, 0},
    ControlSpec{"Save", K::Button, kAnswerSave, {240, 840, 1200, 375}, {}, 1, true, ButtonRole::Default},
    ControlSpec{"DontSave", K::Button, kAnswerDontSave, {1680, 840, 1200, 375}, {}, 2, true},
    ControlSpec{"Cancel", K::Button, kAnswerCancel, {3120, 840, 1200, 375}, {}, 3, true, ButtonRole::Cancel},
};
}  // namespace

std::span<const ControlSpec> saveQuestionControls() { return kControls; }

}  // namespace lp::win
