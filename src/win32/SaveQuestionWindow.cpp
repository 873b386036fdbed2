#include "SaveQuestionWindow.h"

#include <vector>

#include "ControlWindows.h"
#include "Fonts.h"
#include "Geometry.h"
#include "ModalLoop.h"
#include "SaveQuestionForm.h"
#include "WideText.h"

namespace lp::win {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

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
    create(kClassName, COLOR_BTNFACE, kExStyle, wide(caption).c_str(), kStyle, owner);
    const int dpi = dpiOf(hwnd());
    HFONT font = fonts_.get(kDialogFont, dpi, kDialogFont);
    std::vector<PixelRect> rects;
    for (const ControlSpec& def : saveQuestionControls()) {
        HWND control = createControl(hwnd(), def, idOf(def));
        placeControl(control, def, dpi, font);
        rects.push_back(toPixels(def.place, dpi));
        if (def.tabIndex == 0) setWindowText(control, text);
        if (def.tabIndex == 1) save_ = control;
    }
    const PixelRect stated = toPixels(kSaveQuestionClient, dpi);
    const PixelSize client = clientSizeHolding({stated.width, stated.height}, rects,
                                               twipsToPixels(kHoldingMarginTwips, dpi));
    const SIZE frame = frameSizeFor({client.width, client.height}, kStyle, kExStyle, false, dpi);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOnScreen(hwnd());
}

UserInterface::SaveAnswer SaveQuestionWindow::ask(HWND owner, const std::string& text, const std::string& caption) {
    SaveQuestionWindow box(owner, text, caption);
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    ::ShowWindow(box.hwnd(), SW_SHOW);
    ::SetFocus(box.save_);
    runModalLoop([&] { return box.done_; });
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    ::ShowWindow(box.hwnd(), SW_HIDE);
    if (owner) ::SetActiveWindow(owner);
    return box.answer_;
}

bool SaveQuestionWindow::preTranslate(MSG& message) { return ::IsDialogMessageW(hwnd(), &message) != FALSE; }

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
    default:
        return byDefault(message, wParam, lParam);
    }
}

}  // namespace lp::win
