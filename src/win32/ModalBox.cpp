#include "ModalBox.h"

#include "ControlWindows.h"
#include "Fonts.h"
#include "Geometry.h"
#include "ModalLoop.h"
#include "WideText.h"

namespace lp::win {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
}  // namespace

bool ModalBox::preTranslate(MSG& message) { return ::IsDialogMessageW(hwnd(), &message) != FALSE; }

std::vector<HWND> ModalBox::build(const wchar_t* className, const std::string& caption, HWND owner,
                                  std::span<const ControlSpec> controls, const TwipsRect& client,
                                  int (*idOf)(const ControlSpec&)) {
    create(className, COLOR_BTNFACE, kExStyle, wide(caption).c_str(), kStyle, owner);
    const int dpi = dpiOf(hwnd());
    HFONT font = fonts_.get(kDialogFont, dpi, kDialogFont);
    std::vector<HWND> made;
    std::vector<PixelRect> rects;
    for (const ControlSpec& def : controls) {
        HWND control = createControl(hwnd(), def, idOf(def));
        placeControl(control, def, dpi, font);
        rects.push_back(toPixels(def.place, dpi));
        made.push_back(control);
    }
    const PixelRect stated = toPixels(client, dpi);
    const PixelSize size = clientSizeHolding({stated.width, stated.height}, rects,
                                             twipsToPixels(kHoldingMarginTwips, dpi));
    const SIZE frame = frameSizeFor({size.width, size.height}, kStyle, kExStyle, false, dpi);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOnScreen(hwnd());
    return made;
}

void ModalBox::runModally(HWND owner, HWND focus) {
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetFocus(focus);
    runModalLoop([this] { return done_; });
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    ::ShowWindow(hwnd(), SW_HIDE);
    if (owner) ::SetActiveWindow(owner);
}

}  // namespace lp::win
