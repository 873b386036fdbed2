#include "app/Menus.h"

#include <array>

namespace lp {

namespace {

constexpr Shortcut ctrl(char letter, bool shift = false) { return {true, shift, letter, 0}; }
constexpr Shortcut key(int function, bool shift = false) { return {false, shift, 0, function}; }

constexpr std::array kFileItems{
    MenuItemSpec{MenuCommand::NewDrawing, "新建图纸(&N)", ctrl('N')},
    MenuItemSpec{MenuCommand::OpenDrawing, "打开图纸(&O)...", ctrl('O')},
    MenuItemSpec{MenuCommand::SaveDrawing, "保存图纸(&S)", ctrl('S')},
    MenuItemSpec{MenuCommand::SaveDrawingAs, "图纸另存为(&A)...", ctrl('S', true)},
    MenuItemSpec{MenuCommand::ExportPicture, "导出图片(&E)...", ctrl('E')},
    MenuItemSpec{MenuCommand::PrintPicture, "打印(&P)...", ctrl('P')},
};

constexpr std::array kEditItems{
    MenuItemSpec{MenuCommand::Undo, "撤销(&U)", ctrl('Z')},
    MenuItemSpec{MenuCommand::Redo, "重做(&R)", ctrl('Y'), ctrl('Z', true)},
    MenuItemSpec{MenuCommand::RenameDevice, "重命名器件(&M)...", key(2)},
};

// The sheet's zoom; Ctrl with the wheel does the same.
constexpr std::array kViewItems{
    MenuItemSpec{MenuCommand::ZoomIn, "放大(&I)", ctrl('=')},
    MenuItemSpec{MenuCommand::ZoomOut, "缩小(&O)", ctrl('-')},
    MenuItemSpec{MenuCommand::ActualSize, "实际大小(&A)", ctrl('0')},
};

constexpr std::array kRunItems{
    MenuItemSpec{MenuCommand::CheckList, "校验语句表(&C)", key(7)},
    MenuItemSpec{MenuCommand::StartSimulation, "开始仿真(&S)", key(5)},
    MenuItemSpec{MenuCommand::StepSimulation, "单步(&T)", key(10)},
    MenuItemSpec{MenuCommand::StopSimulation, "停止仿真(&E)", key(5, true)},
};

const std::array kMenus{
    MenuSpec{"文件(&F)", kFileItems},
    MenuSpec{"编辑(&E)", kEditItems},
    MenuSpec{"查看(&V)", kViewItems},
    MenuSpec{"运行(&R)", kRunItems},
};

}  // namespace

std::span<const MenuSpec> menuBar() { return kMenus; }

std::string shortcutText(const Shortcut& shortcut) {
    std::string text;
    if (shortcut.ctrl) text += "Ctrl+";
    if (shortcut.shift) text += "Shift+";
    if (shortcut.letter) text += shortcut.letter;
    if (shortcut.function) {
        text += 'F';
        text += std::to_string(shortcut.function);
    }
    return text;
}

}  // namespace lp
