#include "PromptWindow.h"

#include <vector>

#include "ControlWindows.h"
#include "PromptForm.h"
#include "WideText.h"

namespace lp::win {

namespace {
int idOf(const ControlSpec& def) {
    switch (def.tabIndex) {
    case 0: return PromptWindow::kPromptTextId;
    case 1: return PromptWindow::kReplyId;
    case 2: return IDOK;
    default: return IDCANCEL;
    }
}
}  // namespace

PromptWindow::PromptWindow(HWND owner, const std::string& prompt, const std::string& title) {
    const std::vector<HWND> made = build(kClassName, title, owner, promptControls(), kPromptClient, idOf);
    for (std::size_t i = 0; i < made.size(); ++i) {
        const int tabIndex = promptControls()[i].tabIndex;
        if (tabIndex == 0) setWindowText(made[i], prompt);
        if (tabIndex == 1) reply_ = made[i];
    }
}

std::string PromptWindow::ask(HWND owner, const std::string& prompt, const std::string& title, const std::string& text) {
    PromptWindow box(owner, prompt, title);
    if (!text.empty()) {
        setWindowText(box.reply_, text);
        ::SendMessageW(box.reply_, EM_SETSEL, 0, -1);
    }
    box.runModally(owner, box.reply_);
    return utf8(box.answer_);
}

void PromptWindow::finish(bool accepted) {
    if (done_) return;
    answer_ = accepted ? windowText(reply_) : std::wstring();
    done_ = true;
}

LRESULT PromptWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) finish(true);
        if (LOWORD(wParam) == IDCANCEL) finish(false);
        return 0;
    case WM_CLOSE:
        finish(false);
        return 0;
    default:
        return byDefault(message, wParam, lParam);
    }
}

}  // namespace lp::win
