#include "MenuBar.h"

#include <vector>

#include "WideText.h"

namespace lp::win {

HMENU createMenuBar() {
    HMENU bar = ::CreateMenu();
    for (const MenuSpec& menuSpec : menuBar()) {
        HMENU menu = ::CreatePopupMenu();
        for (const MenuItemSpec& item : menuSpec.items) {
            const std::wstring caption = wide(item.caption) + L"\t" + wide(shortcutText(item.shortcut));
            ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(menuId(item.command)), caption.c_str());
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), wide(menuSpec.caption).c_str());
    }
    return bar;
}

HACCEL createAccelerators() {
    std::vector<ACCEL> keys;
    for (const MenuSpec& menuSpec : menuBar()) {
        for (const MenuItemSpec& item : menuSpec.items) {
            const Shortcut& s = item.shortcut;
            ACCEL key{};
            key.fVirt = static_cast<BYTE>(FVIRTKEY | (s.ctrl ? FCONTROL : 0) | (s.shift ? FSHIFT : 0));
            key.key = static_cast<WORD>(s.letter ? s.letter : VK_F1 + s.function - 1);
            key.cmd = static_cast<WORD>(menuId(item.command));
            keys.push_back(key);
        }
    }
    return ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

bool menuCommandOf(int id, MenuCommand& command) {
    for (const MenuSpec& menuSpec : menuBar()) {
        for (const MenuItemSpec& item : menuSpec.items) {
            if (menuId(item.command) == id) {
                command = item.command;
                return true;
            }
        }
    }
    return false;
}

}  // namespace lp::win
