#include "Win32UserInterface.h"

#include "FileDialogs.h"
#include "PromptWindow.h"
#include "SaveQuestionWindow.h"
#include "WideText.h"

namespace lp::win {

std::string Win32UserInterface::inputBox(const std::string& prompt, const std::string& title) {
    if (beforeModal) beforeModal();
    return PromptWindow::ask(owner, prompt, title);
}

void Win32UserInterface::messageBox(const std::string& text, const std::string& caption) {
    if (beforeModal) beforeModal();
    ::MessageBoxW(owner, wide(text).c_str(), wide(caption).c_str(), MB_OK);
}

UserInterface::SaveAnswer Win32UserInterface::askSaveChanges(const std::string& text, const std::string& caption) {
    if (beforeModal) beforeModal();
    return SaveQuestionWindow::ask(owner, text, caption);
}

std::string Win32UserInterface::askOpenPath(const std::string& title, const std::string& folder) {
    if (beforeModal) beforeModal();
    return askDrawingToOpen(owner, title, folder);
}

std::string Win32UserInterface::askSavePath(const std::string& title, const std::string& suggested) {
    if (beforeModal) beforeModal();
    return askDrawingToSave(owner, title, suggested);
}

}  // namespace lp::win
