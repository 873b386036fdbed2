#include "SaveQuestionWindow.h"

#include <vector>

#include "ControlWindows.h"
#include "Geometry.h"
#include "SaveQuestionForm.h"
#include "WideText.h"
#include "app/Twips.h"

namespace lp::win {

namespace {
int idOf(const ControlSpec& def) {
    switch (def.tabIndex) {
    case 0: return SaveQuestionWindow::kQuestionId;
    case 1: return IDYES;
    case 2: return IDNO;
    default: return IDCANCEL;
    }
}
}  // namespace

SaveQuestionWindow::SaveQuestionWindow(HWND owner, const std::string& text, const std::string& caption) {
    const std::vector<HWND> made = build(kClassName, caption, owner, saveQuestionControls(), kSaveQuestionClient, idOf);
    for (std::size_t i = 0; i < made.size(); ++i) {
        const int tabIndex = saveQuestionControls()[i].tabIndex;
        if (tabIndex == 0) setWindowText(made[i], text);
        if (tabIndex == 1) save_ = made[i];
    }
}

UserInterface::SaveAnswer SaveQuestionWindow::ask(HWND owner, const std::string& text, const std::string& caption) {
    SaveQuestionWindow box(owner, text, caption);
    box.runModally(owner, box.save_);
    return box.answer_;
}

void SaveQuestionWindow::finish(UserInterface::SaveAnswer answer) {
    if (done_) return;
    answer_ = answer;
    done_ = true;
}

LRESULT SaveQuestionWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDYES: finish(UserInterface::SaveAnswer::Save); break;
        case IDNO: finish(UserInterface::SaveAnswer::DontSave); break;
        case IDOK: finish(UserInterface::SaveAnswer::Save); break;  // Enter on the default button
        case IDCANCEL: finish(UserInterface::SaveAnswer::Cancel); break;
        default: break;
        }
        return 0;
    case WM_CLOSE:
        finish(UserInterface::SaveAnswer::Cancel);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd(), &paint);
        const int dpi = dpiOf(hwnd());
        const int size = twipsToPixels(kQuestionIcon.width, dpi);
        ::DrawIconEx(dc, twipsToPixels(kQuestionIcon.left, dpi), twipsToPixels(kQuestionIcon.top, dpi),
                     ::LoadIconW(nullptr, IDI_QUESTION), size, size, 0, nullptr, DI_NORMAL);
        ::EndPaint(hwnd(), &paint);
        return 0;
    }
    default:
        return byDefault(message, wParam, lParam);
    }
}

}  // namespace lp::win
