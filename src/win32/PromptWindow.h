#pragma once
// The name prompt: a modal window of our own with the prompt, the title, an
// edit box with an empty default, OK and Cancel. OK (or Enter) gives the
// typed text; Cancel, Esc or closing it gives the empty text.
#include <string>

#include "ModalBox.h"

namespace lp::win {

class PromptWindow : public ModalBox {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadPrompt";
    static constexpr int kPromptTextId = 100;  // the prompt's label
    static constexpr int kReplyId = 101;       // the edit box; OK is IDOK, Cancel IDCANCEL

    // Shows the prompt over `owner` (disabled meanwhile) and waits for it.
    // `text`: what the edit box holds to begin with, selected.
    static std::string ask(HWND owner, const std::string& prompt, const std::string& title, const std::string& text = {});

private:
    PromptWindow(HWND owner, const std::string& prompt, const std::string& title);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void finish(bool accepted);

    HWND reply_ = nullptr;
    std::wstring answer_;
};

}  // namespace lp::win
