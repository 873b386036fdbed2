#pragma once
// The main window's menu bar and its keys, from the core's table of menus.
// Each item's command id is kFirstMenuId plus the MenuCommand's number.
#include <windows.h>

#include <string>
#include <vector>

#include "app/Menus.h"

namespace lp::win {

inline constexpr int kFirstMenuId = 1000;

inline int menuId(MenuCommand command) { return kFirstMenuId + static_cast<int>(command); }

// The items of 文件 → 最近打开的图纸 have kFirstRecentId plus their index.
inline constexpr int kFirstRecentId = 2000;
inline constexpr int kRecentCount = 8;

HMENU createMenuBar();
// 文件's submenu of recent drawings.
HMENU recentDrawingsMenu(HMENU bar);
void setRecentDrawings(HMENU bar, const std::vector<std::string>& captions);
// A menu item's caption, with its key after a tab.
void setMenuCaption(HMENU bar, MenuCommand command, const std::string& caption);
HACCEL createAccelerators();
// The command of a menu id, or false when the id is no menu item.
bool menuCommandOf(int id, MenuCommand& command);

}  // namespace lp::win
