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
            // The recent drawings follow the file commands.
            if (item.command == MenuCommand::SaveDrawingAs)
                ::AppendMenuW(menu, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()),
                              L"最近打开的图纸(&R)");
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), wide(menuSpec.caption).c_str());
    }
    return bar;
}

namespace {

// The key a shortcut's character is typed with on the main keyboard.
WORD virtualKeyOf(char letter) {
    if (letter == '=') return VK_OEM_PLUS;
    if (letter == '-') return VK_OEM_MINUS;
    return static_cast<WORD>(letter);
}

}  // namespace

HACCEL createAccelerators() {
    std::vector<ACCEL> keys;
    for (const MenuSpec& menuSpec : menuBar()) {
        for (const MenuItemSpec& item : menuSpec.items) {
            for (const Shortcut& s : {item.shortcut, item.alternative}) {
                if (!s.letter && !s.function) continue;
                ACCEL key{};
                key.fVirt = static_cast<BYTE>(FVIRTKEY | (s.ctrl ? FCONTROL : 0) | (s.shift ? FSHIFT : 0));
                key.key = static_cast<WORD>(s.letter ? virtualKeyOf(s.letter) : VK_F1 + s.function - 1);
                key.cmd = static_cast<WORD>(menuId(item.command));
                keys.push_back(key);
            }
        }
    }
    return ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

HMENU recentDrawingsMenu(HMENU bar) {
    HMENU file = ::GetSubMenu(bar, 0);
    for (int i = 0, n = ::GetMenuItemCount(file); i < n; ++i)
        if (HMENU sub = ::GetSubMenu(file, i)) return sub;
    return nullptr;
}

void setRecentDrawings(HMENU bar, const std::vector<std::string>& captions) {
    HMENU recent = recentDrawingsMenu(bar);
    if (!recent) return;
    while (::GetMenuItemCount(recent) > 0) ::DeleteMenu(recent, 0, MF_BYPOSITION);
    for (std::size_t i = 0; i < captions.size() && i < static_cast<std::size_t>(kRecentCount); ++i)
        ::AppendMenuW(recent, MF_STRING, static_cast<UINT_PTR>(kFirstRecentId + static_cast<int>(i)),
                      wide(captions[i]).c_str());
    HMENU file = ::GetSubMenu(bar, 0);
    for (int i = 0, n = ::GetMenuItemCount(file); i < n; ++i)
        if (::GetSubMenu(file, i) == recent)
            ::EnableMenuItem(file, static_cast<UINT>(i), MF_BYPOSITION | (captions.empty() ? MF_GRAYED : MF_ENABLED));
}

void setMenuCaption(HMENU bar, MenuCommand command, const std::string& caption) {
    for (const MenuSpec& menuSpec : menuBar())
        for (const MenuItemSpec& item : menuSpec.items)
            if (item.command == command) {
                std::wstring text = wide(caption) + L"\t" + wide(shortcutText(item.shortcut));
                MENUITEMINFOW info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_STRING;  // the item keeps its state
                info.dwTypeData = text.data();
                ::SetMenuItemInfoW(bar, static_cast<UINT>(menuId(command)), FALSE, &info);
            }
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
