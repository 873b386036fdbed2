#pragma once
// The core's way to the user in the Windows windows: the name prompt as our
// own modal window and messages through MessageBoxW, OK only, no icon; the
// save question as our own modal window, and the common file dialogs.
#include <windows.h>

#include "app/UserInterface.h"

namespace lp::win {

class Win32UserInterface : public UserInterface {
public:
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    std::string inputBoxWithText(const std::string& prompt, const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) override;
    std::string askOpenPath(const std::string& title, const std::string& folder) override;
    std::string askSavePath(const std::string& title, const std::string& suggested) override;

    // The window the boxes are modal to.
    HWND owner = nullptr;
};

}  // namespace lp::win
