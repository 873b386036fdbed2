#include "DialogWindow.h"

#include <string>
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
    specs_ = controls;
    client_ = client;
    for (const ControlSpec& def : controls) controls_[def.name] = createControl(hwnd(), def, idOf(def));
    const auto order = tabOrder(controls);
    if (!order.empty()) firstFocus_ = controls_[order.front()->name];
    layout(dpiOf(hwnd()), nullptr);
}

void DialogWindow::layout(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    fonts_.clear();
    std::vector<PixelRect> rects;
    for (const ControlSpec& def : specs_) {
        placeControl(controls_[def.name], def, dpi,
                     def.kind == ControlKind::Picture ? nullptr : fonts_.get(def.font, dpi, kDialogFont));
        rects.push_back(toPixels(def.place, dpi));
    }
    const PixelRect stated = toPixels(client_, dpi);
    const PixelSize size = clientSizeHolding({stated.width, stated.height}, rects,
                                             twipsToPixels(kHoldingMarginTwips, dpi));
    const SIZE frame = frameSizeFor({size.width, size.height}, kStyle, kExStyle, false, dpi);
    if (suggested)
        ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, frame.cx, frame.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    else
        ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    placed();
}

LRESULT DialogWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NEXTDLGCTL) {
        // The dialog keys move the focus through this (an access key of a
        // label: to the control after it in tab order).
        HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : ::GetNextDlgTabItem(hwnd(), ::GetFocus(), wParam ? TRUE : FALSE);
        if (next) {
            ::SetFocus(next);
            wchar_t name[16] = {};
            ::GetClassNameW(next, name, 16);
            if (::lstrcmpiW(name, L"Edit") == 0) ::SendMessageW(next, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    if (message == WM_DPICHANGED) {
        layout(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return byDefault(message, wParam, lParam);
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
