#include "app/MainForm.h"

#include <array>

namespace lp {

namespace {
using K = ControlKind;
constexpr double kW = 1695;  // every palette button
constexpr double kH = 495;
constexpr double kL = 240;   // left column
constexpr double kR = 2160;  // right column
constexpr FontSpec kElement{kSongTi, 12, true};  // the element buttons
constexpr FontSpec kWord{kKaiTi, 15, true};      // the word buttons and END
constexpr FontSpec kHeavy{kLiShu, 21.75, true};  // 转换 and 退出 of the editing row
constexpr FontSpec kExport{kSongTi, 15.75, true};  // the export row

constexpr ControlSpec palette(const char* name, const char* caption, double left, double top, FontSpec font,
                              int tab) {
    return {name, K::Button, caption, {left, top, kW, kH}, font, tab, true, ButtonRole::None, TextAlign::Centre,
            "Picture2"};
}
constexpr ControlSpec bottom(const char* name, const char* caption, double left, double width, FontSpec font,
                             int tab) {
    return {name, K::Button, caption, {left, 10200, width, kH}, font, tab, true, ButtonRole::None, TextAlign::Centre};
}

const std::array kControls{
    ControlSpec{"Picture1", K::Picture, "", {0, 0, kPicture1Width, 8595}, {}, 0, true},
    ControlSpec{"Picture2", K::Picture, "", {10920, 120, 4215, 5970}, {}, 1, true},
    ControlSpec{"Label1", K::Label, "元器件库", {1320, 120, 1455, 375}, {kKaiTi, 15.75, true, true}, 16, false,
                ButtonRole::None, TextAlign::Centre, "Picture2"},
    ControlSpec{"Text1", K::ListBox, "", {10920, 6120, 4215, 3975}, {kSongTi, 14.25, false}, 21, true},
    palette("Command1", "┣┥  ┝━", kL, 600, kElement, 2),
    palette("Command2", "┣┥╱┝━", kR, 600, kElement, 3),
    palette("Command3", "┣┥  ┝┛", kL, 1200, kElement, 4),
    palette("Command4", "┣┥╱┝┛", kR, 1200, kElement, 5),
    palette("Command5", "━┥  ┝━", kL, 1800, kElement, 6),
    palette("Command6", "━┥╱┝━", kR, 1800, kElement, 7),
    palette("Command7", "━┥  ┝┛", kL, 2400, kElement, 8),
    palette("Command8", "━┥╱┝┛", kR, 2400, kElement, 9),
    palette("Command9", "━（  ）━┫", kL, 3600, kElement, 10),
    palette("Command10", "后退一步", kL, 4800, kWord, 11),
    palette("Command11", "回车换行", kR, 4200, kWord, 12),
    palette("Command12", "重新编辑", kL, 5400, kWord, 13),
    bottom("Command13", "转换", 11520, 1695, kHeavy, 14),
    bottom("Command14", "退出", 13320, 1695, kHeavy, 15),
    palette("Command15", "━━━━━", kL, 3000, kElement, 17),
    palette("Command16", "━━━━┛", kR, 3000, kElement, 18),
    palette("Command17", "显示图形", kR, 5400, kWord, 19),
    palette("Command18", "空 位 键", kL, 4200, kWord, 20),
    bottom("Command19", "生成 *.txt 文件", 10920, 2775, kExport, 22),
    bottom("Command20", "退出", 13800, 1215, kExport, 23),
    palette("Command21", "┗（  ）━┫", kR, 3600, kElement, 24),
    palette("Command22", "┣━(END)", kR, 4800, kWord, 25),
};
constexpr std::size_t kFirstButton = 4;
}  // namespace

std::span<const ControlSpec> mainFormControls() { return kControls; }

const ControlSpec& buttonControl(int number) {
    return kControls.at(kFirstButton + static_cast<std::size_t>(number - 1));
}

}  // namespace lp
