#include "PaletteButtons.h"

#include <array>

namespace lp {

namespace {
constexpr int kW = 1695;  // every palette button
constexpr int kH = 495;
constexpr int kL = 240;   // left column
constexpr int kR = 2160;  // right column
using F = ButtonFont;

constexpr std::array<ButtonSpec, 22> kButtons{{
    {1, "┣┥  ┝━", kL, 600, kW, kH, F::Element, true},
    {2, "┣┥╱┝━", kR, 600, kW, kH, F::Element, true},
    {3, "┣┥  ┝┛", kL, 1200, kW, kH, F::Element, true},
    {4, "┣┥╱┝┛", kR, 1200, kW, kH, F::Element, true},
    {5, "━┥  ┝━", kL, 1800, kW, kH, F::Element, true},
    {6, "━┥╱┝━", kR, 1800, kW, kH, F::Element, true},
    {7, "━┥  ┝┛", kL, 2400, kW, kH, F::Element, true},
    {8, "━┥╱┝┛", kR, 2400, kW, kH, F::Element, true},
    {9, "━（  ）━┫", kL, 3600, kW, kH, F::Element, true},
    {10, "后退一步", kL, 4800, kW, kH, F::Word, true},
    {11, "回车换行", kR, 4200, kW, kH, F::Word, true},
    {12, "重新编辑", kL, 5400, kW, kH, F::Word, true},
    {13, "转换", 11520, 10200, 1695, 495, F::Heavy, false},
    {14, "退出", 13320, 10200, 1695, 495, F::Heavy, false},
    {15, "━━━━━", kL, 3000, kW, kH, F::Element, true},
    {16, "━━━━┛", kR, 3000, kW, kH, F::Element, true},
    {17, "显示图形", kR, 5400, kW, kH, F::Word, true},
    {18, "空 位 键", kL, 4200, kW, kH, F::Word, true},
    {19, "生成 *.txt 文件", 10920, 10200, 2775, 495, F::Export, false},
    {20, "退出", 13800, 10200, 1215, 495, F::Export, false},
    {21, "┗（  ）━┫", kR, 3600, kW, kH, F::Element, true},
    {22, "┣━(END)", kR, 4800, kW, kH, F::Word, true},
}};
}  // namespace

std::span<const ButtonSpec> buttonSpecs() { return kButtons; }

const ButtonSpec& buttonSpec(int number) { return kButtons.at(static_cast<std::size_t>(number - 1)); }

}  // namespace lp
