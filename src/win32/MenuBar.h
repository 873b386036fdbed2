#pragma once
// The main window's menu bar and its keys, from the core's table of menus.
// Each item's command id is kFirstMenuId plus the MenuCommand's number.
#include <windows.h>

#include "app/Menus.h"

namespace lp::win {

inline constexpr int kFirstMenuId = 1000;

inline int menuId(MenuCommand command) { return kFirstMenuId + static_cast<int>(command); }

HMENU createMenuBar();
HACCEL createAccelerators();
// The command of a menu id, or false when the id is no menu item.
bool menuCommandOf(int id, MenuCommand& command);

}  // namespace lp::win
