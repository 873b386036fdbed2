#include "Win32UserInterface.h"

#include "PromptWindow.h"
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

}  // namespace lp::win
