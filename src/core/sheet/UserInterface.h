#pragma once
// The core reaches the user only through this: a modal input box and a
// modal message box. The Qt windows and the replay tool implement it.
#include <string>

namespace lp {

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Modal text input with an empty default; returns "" on cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;
    // Modal message with an OK button only.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;
};

// The program's title: window caption and message-box caption.
inline constexpr const char* kProgramTitle = "梯形图编辑器";

}  // namespace lp
