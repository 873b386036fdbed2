#include "app/AboutForm.h"

#include <array>

#include "app/BoxTexts.h"
#include "app/Twips.h"
#include "app/LicenceNotice.h"
#include "app/UserInterface.h"

#ifndef LADDERPAD_VERSION
#define LADDERPAD_VERSION "0.1"
#endif

namespace lp {

namespace {
constexpr const DialogScale& s = kAboutScale;
using K = ControlKind;
constexpr double kLineTop = 2640;

const std::array kControls{
    ControlSpec{"picIcon", K::Picture, "", s.twips(240, 240, 300, 300), {}, 1},
    ControlSpec{"lblTitle", K::Label, kProgramTitle, s.twips(840, 120, 4365, 480), {kKaiTi, 21.75, true}, 5,
                false, ButtonRole::None, TextAlign::Centre},
    ControlSpec{"Label4", K::Label, "版本 " LADDERPAD_VERSION, s.twips(960, 840, 4215, 255), {}, 8},
    ControlSpec{"lblDescription", K::Label, "继电器梯形图的绘制与语句表转换", s.twips(960, 1310, 3885, 210), {}, 3},
    ControlSpec{"Label2", K::Label, "可编程控制器课程教学软件", s.twips(1766, 1627, 3495, 255), {}, 6},
    ControlSpec{"Label3", K::Label, "指令：LD LDI AND ANI OR ORI ANB ORB OUT END", s.twips(1766, 1972, 4455, 255),
                {}, 7},
    ControlSpec{"Label5", K::Label, "日期：2025 年", s.twips(960, 2280, 3735, 255), {}, 9},
    ControlSpec{"lblDisclaimer", K::Label, kLicenceNotice,
                s.twips(240, 2745, 3630, 660), {}, 4},
    ControlSpec{"cmdOK", K::Button, kOkText, s.twips(4125, 2640, 1500, 345), {}, 0, true,
                ButtonRole::DefaultAndCancel},
    ControlSpec{"cmdSysInfo", K::Button, "系统信息(&S)...", s.twips(4140, 3120, 1485, 345), {}, 2, true},
};

const std::array kLines{
    LineSpec{90 * s.twipsAcross, 5654 * s.twipsAcross, kLineTop * s.twipsDown, 128, 0},
    LineSpec{0, 5549 * s.twipsAcross, kLineTop * s.twipsDown, 255, 1},
};
}  // namespace

std::span<const ControlSpec> aboutControls() { return kControls; }
std::span<const LineSpec> aboutLines() { return kLines; }

int aboutLineEnd(const LineSpec& line, int dpi, int clientWidth) {
    if (line.to >= kAboutClient.width) return clientWidth;
    return twipsToPixels(line.to, dpi);
}

}  // namespace lp
