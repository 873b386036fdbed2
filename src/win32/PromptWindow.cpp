#include "PromptWindow.h"

#include <vector>

#include "ControlWindows.h"
#include "Fonts.h"
#include "Geometry.h"
#include "ModalLoop.h"
#include "PromptForm.h"
#include "WideText.h"

namespace lp::win {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

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
    create(kClassName, COLOR_BTNFACE, kExStyle, wide(title).c_str(), kStyle, owner);
    const int dpi = dpiOf(hwnd());
    HFONT font = fonts_.get(kDialogFont, dpi, kDialogFont);
    std::vector<PixelRect> rects;
    for (const ControlSpec& def : promptControls()) {
        HWND control = createControl(hwnd(), def, idOf(def));
        placeControl(control, def, dpi, font);
        rects.push_back(toPixels(def.place, dpi));
        if (def.tabIndex == 0) setWindowText(control, prompt);
        if (def.tabIndex == 1) reply_ = control;
    }
    const PixelRect stated = toPixels(kPromptClient, dpi);
    const PixelSize client = clientSizeHolding({stated.width, stated.height}, rects,
                                               twipsToPixels(kHoldingMarginTwips, dpi));
    const SIZE frame = frameSizeFor({client.width, client.height}, kStyle, kExStyle, false, dpi);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOnScreen(hwnd());
}

std::string PromptWindow::ask(HWND owner, const std::string& prompt, const std::string& title) {
    PromptWindow box(owner, prompt, title);
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    ::ShowWindow(box.hwnd(), SW_SHOW);
    ::SetFocus(box.reply_);
    runModalLoop([&] { return box.done_; });
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    ::ShowWindow(box.hwnd(), SW_HIDE);
    if (owner) ::SetActiveWindow(owner);
    return utf8(box.answer_);
}

bool PromptWindow::preTranslate(MSG& message) { return ::IsDialogMessageW(hwnd(), &message) != FALSE; }

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
