#include "DialogWindow.h"

#include <vector>

#include "ControlWindows.h"
#include "Fonts.h"
#include "Geometry.h"
#include "WideText.h"

namespace lp::win {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
}  // namespace

HWND dialogOwner() {
    static HWND owner = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LadderPadDialogOwner";
        ::RegisterClassExW(&wc);
        return ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    }();
    return owner;
}

void DialogWindow::createDialog(const wchar_t* className, const char* caption, TwipsRect client,
                                std::span<const ControlSpec> controls, int (*idOf)(const ControlSpec&)) {
    create(className, COLOR_BTNFACE, kExStyle, wide(caption).c_str(), kStyle, dialogOwner());
    setProgramIcons(hwnd());
    dpi_ = dpiOf(hwnd());
    std::vector<PixelRect> rects;
    for (const ControlSpec& spec : controls) {
        HWND made = createControl(hwnd(), spec, idOf(spec));
        placeControl(made, spec, dpi_, spec.kind == ControlKind::Picture ? nullptr
                                                                         : fonts_.get(spec.font, dpi_, kDialogFont));
        controls_[spec.name] = made;
        rects.push_back(toPixels(spec.place, dpi_));
    }
    const auto order = tabOrder(controls);
    if (!order.empty()) firstFocus_ = controls_[order.front()->name];
    const PixelRect stated = toPixels(client, dpi_);
    const PixelSize size = clientSizeHolding({stated.width, stated.height}, rects,
                                             twipsToPixels(kHoldingMarginTwips, dpi_));
    const SIZE frame = frameSizeFor({size.width, size.height}, kStyle, kExStyle, false, dpi_);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND DialogWindow::control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void DialogWindow::show() {
    centreOnScreen(hwnd());
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    if (firstFocus_) ::SetFocus(firstFocus_);
}

}  // namespace lp::win
