#pragma once
// One control of a window's definition, as plain data that both front ends
// read: its name, kind, text, place in twips, font and place in the tab
// order.
#include <span>
#include <vector>

#include "app/FontFaces.h"
#include "app/Twips.h"

namespace lp {

enum class ControlKind {
    Label,
    TextBox,      // single line
    PasswordBox,  // single line, every character shown as "*"
    ListBox,      // multi-line text box with a vertical scroll bar, editable
    Button,
    Picture,      // picture box: the sheet, the palette's container, an icon
};

enum class ButtonRole {
    None,
    Default,           // Enter in any control presses it
    Cancel,            // Esc presses it
    DefaultAndCancel,  // Enter and Esc both press it
};

enum class TextAlign { Left, Centre };

struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* text;  // UTF-8, exact; "" for none
    TwipsRect place;   // relative to the window's client area, or to its container
    FontSpec font{};   // face nullptr: the window's default font
    int tabIndex = -1;
    bool tabStop = false;  // takes the focus in tab order
    ButtonRole role = ButtonRole::None;
    TextAlign align = TextAlign::Left;
    const char* container = nullptr;  // name of the picture box holding it, or nullptr
};

// The control of that name, or nullptr.
const ControlSpec* findControl(std::span<const ControlSpec> controls, const char* name);

// The controls that take the focus, in tab order.
std::vector<const ControlSpec*> tabOrder(std::span<const ControlSpec> controls);

}  // namespace lp
