#pragma once
// The main window's menu bar: the commands added beside the palette. The
// palette and the bottom rows keep their places; these live only in the
// menus, so a run that never opens a menu behaves as if they were not there.
#include <span>
#include <string>

namespace lp {

enum class MenuCommand {
    NewDrawing,
    OpenDrawing,
    SaveDrawing,
    SaveDrawingAs,
    ExportPicture,
    PrintPicture,
    CheckList,
    StartSimulation,
    StepSimulation,
    StopSimulation,
    Undo,
    Redo,
    RenameDevice,
    ZoomIn,
    ZoomOut,
    ActualSize,
};

// A key that runs a menu command without opening its menu. Exactly one of
// letter and function is set.
struct Shortcut {
    bool ctrl = false;
    bool shift = false;
    char letter = 0;   // a key of the main keyboard: 'A'..'Z', '0'..'9', '=' or '-'
    int function = 0;  // 1..12 for F1..F12
};

struct MenuItemSpec {
    MenuCommand command;
    const char* caption;  // UTF-8, with its "&" mnemonic and any "..."
    Shortcut shortcut;
    Shortcut alternative{};  // a second key for the same command, if any
};

struct MenuSpec {
    const char* caption;  // UTF-8, with its "&" mnemonic
    std::span<const MenuItemSpec> items;
};

// The menus from left to right, each with its items from top to bottom.
std::span<const MenuSpec> menuBar();

// The shortcut as a menu shows it beside the caption: "Ctrl+Shift+S", "F5".
std::string shortcutText(const Shortcut& shortcut);

}  // namespace lp
