#pragma once
// The core reaches the user only through this: a modal input box and a
// modal message box; for drawing files also a question with three answers
// and the file dialogs. The Qt windows and the replay tool implement it.
#include <string>

namespace lp {

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Modal text input with an empty default; returns "" on cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;
    // The same with `text` in the box to begin with; a front end without it
    // asks with an empty box.
    virtual std::string inputBoxWithText(const std::string& prompt, const std::string& title, const std::string& text) {
        (void)text;
        return inputBox(prompt, title);
    }
    // Modal message with an OK button only.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;

    // Modal question with the buttons 是 and 否; true for 是. A front end
    // without it answers 否.
    virtual bool askYesNo(const std::string& text, const std::string& caption) {
        (void)text, (void)caption;
        return false;
    }

    enum class SaveAnswer { Save, DontSave, Cancel };
    // Modal question with the buttons 保存, 不保存 and 取消. A front end
    // without it goes on without saving, as the program always did.
    virtual SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) {
        (void)text, (void)caption;
        return SaveAnswer::DontSave;
    }
    // File dialogs for drawings (UTF-8 paths); "" when cancelled or when the
    // front end has none. The open dialog starts in `folder`; the save dialog
    // suggests the file `suggested`, or starts in it when it is a folder.
    virtual std::string askOpenPath(const std::string& title, const std::string& folder) {
        (void)title, (void)folder;
        return {};
    }
    virtual std::string askSavePath(const std::string& title, const std::string& suggested) {
        (void)title, (void)suggested;
        return {};
    }
};

// The program's title: window caption and message-box caption.
inline constexpr const char* kProgramTitle = "梯形图编辑器";

}  // namespace lp
