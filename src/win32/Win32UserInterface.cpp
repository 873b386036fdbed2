#include "Win32UserInterface.h"

#include "CaptionFit.h"
#include "FileDialogs.h"
#include "PromptWindow.h"
#include "SaveQuestionWindow.h"
#include "WideText.h"

namespace lp::win {

std::string Win32UserInterface::inputBox(const std::string& prompt, const std::string& title) {
    return PromptWindow::ask(owner, prompt, title);
}

std::string Win32UserInterface::inputBoxWithText(const std::string& prompt, const std::string& title,
                                                 const std::string& text) {
    return PromptWindow::ask(owner, prompt, title, text);
}

bool Win32UserInterface::askYesNo(const std::string& text, const std::string& caption) {
    return messageBoxShowingCaption(owner, wide(text), wide(caption), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32UserInterface::messageBox(const std::string& text, const std::string& caption) {
    messageBoxShowingCaption(owner, wide(text), wide(caption), MB_OK);
}

UserInterface::SaveAnswer Win32UserInterface::askSaveChanges(const std::string& text, const std::string& caption) {
    return SaveQuestionWindow::ask(owner, text, caption);
}

std::string Win32UserInterface::askOpenPath(const std::string& title, const std::string& folder) {
    return askDrawingToOpen(owner, title, folder);
}

std::string Win32UserInterface::askSavePath(const std::string& title, const std::string& suggested) {
    return askDrawingToSave(owner, title, suggested);
}

}  // namespace lp::win
