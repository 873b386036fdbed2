#include "app/LoginForm.h"

#include <array>

#include "app/BoxTexts.h"

namespace lp {

namespace {
constexpr const DialogScale& s = kLoginScale;
using K = ControlKind;

const std::array kControls{
    ControlSpec{"lblLabels0", K::Label, "用户名称(&U):", s.twips(105, 150, 1080, 270), {}, 0},
    ControlSpec{"txtUserName", K::TextBox, "", s.twips(1290, 135, 2325, 345), {}, 1, true},
    ControlSpec{"lblLabels1", K::Label, "密码(&P):", s.twips(105, 540, 1080, 270), {}, 2},
    ControlSpec{"txtPassword", K::PasswordBox, "", s.twips(1290, 525, 2325, 345), {}, 3, true},
    ControlSpec{"cmdOK", K::Button, kOkText, s.twips(495, 1020, 1140, 390), {}, 4, true, ButtonRole::Default},
    ControlSpec{"cmdCancel", K::Button, kCancelText, s.twips(2100, 1020, 1140, 390), {}, 5, true,
                ButtonRole::Cancel},
};
}  // namespace

std::span<const ControlSpec> loginControls() { return kControls; }

}  // namespace lp
