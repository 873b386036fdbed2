#pragma once
// The question before leaving a drawing with changes not yet saved: a modal
// window of our own with the question and the buttons 保存 (IDYES, Enter),
// 不保存 (IDNO) and 取消 (IDCANCEL, Esc, or closing it).
#include <string>

#include "ModalBox.h"
#include "app/UserInterface.h"

namespace lp::win {

class SaveQuestionWindow : public ModalBox {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadSaveQuestion";
    static constexpr int kQuestionId = 100;  // the question's label

    // Shows the question over `owner` (disabled meanwhile) and waits for the answer.
    static UserInterface::SaveAnswer ask(HWND owner, const std::string& text, const std::string& caption);

private:
    SaveQuestionWindow(HWND owner, const std::string& text, const std::string& caption);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void finish(UserInterface::SaveAnswer answer);

    HWND save_ = nullptr;
    UserInterface::SaveAnswer answer_ = UserInterface::SaveAnswer::Cancel;
};

}  // namespace lp::win
