#pragma once
// The 22 command buttons of the main window: caption, place (twips) and
// font. Command13, 14, 19 and 20 sit on the window's bottom row; the others
// in Picture2, placed relative to its top-left corner.
#include <span>

namespace lp {

enum class ButtonFont {
    Element,  // "宋体" 12 pt bold: the element buttons
    Word,     // "楷体_GB2312" 15 pt bold: the word buttons and END
    Heavy,    // "隶书" 21.75 pt bold: 转换 and 退出 of the editing row
    Export,   // "宋体" 15.75 pt bold: the export row
};

struct ButtonSpec {
    int number;           // CommandN
    const char* caption;  // UTF-8, exact
    int left, top, width, height;  // twips
    ButtonFont font;
    bool inPicture2;
};

// Command1..Command22, in number order.
std::span<const ButtonSpec> buttonSpecs();
const ButtonSpec& buttonSpec(int number);

}  // namespace lp
