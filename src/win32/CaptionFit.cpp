#include "CaptionFit.h"

namespace lp::win {

namespace {

thread_local HHOOK hook = nullptr;
thread_local const std::wstring* pendingCaption = nullptr;

// The width the frame needs for the caption: its text in the caption font,
// the icon, the close box and the borders.
int widthForCaption(HWND box, const std::wstring& caption) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 0;
    HFONT font = ::CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC dc = ::GetDC(box);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE text{};
    ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    ::SelectObject(dc, old);
    ::ReleaseDC(box, dc);
    ::DeleteObject(font);
    // Room for the icon and the caption's buttons (close, and minimize and
    // maximize where the system draws them), with a margin.
    return text.cx + text.cx / 8 + ::GetSystemMetrics(SM_CXSMICON) + 5 * ::GetSystemMetrics(SM_CXSIZE) +
           2 * ::GetSystemMetrics(SM_CXFRAME) + 24;
}

// Grows the box about its centre and keeps its buttons in the middle.
void fitCaption(HWND box) {
    RECT frame;
    ::GetWindowRect(box, &frame);
    const int width = frame.right - frame.left;
    const int needed = widthForCaption(box, *pendingCaption);
    if (needed <= width) return;
    const int grow = needed - width;
    ::SetWindowPos(box, nullptr, frame.left - grow / 2, frame.top, needed, frame.bottom - frame.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = {};
        ::GetClassNameW(child, kind, 16);
        if (lstrcmpiW(kind, L"Button") != 0) continue;
        RECT place;
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT*>(&place), 2);
        ::SetWindowPos(child, nullptr, place.left + grow / 2, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

LRESULT CALLBACK onActivate(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK self = hook;
    if (code == HCBT_ACTIVATE) {
        ::UnhookWindowsHookEx(hook);
        hook = nullptr;
        if (pendingCaption) fitCaption(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(self, code, wParam, lParam);
}

}  // namespace

int messageBoxShowingCaption(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    pendingCaption = &caption;
    hook = ::SetWindowsHookExW(WH_CBT, onActivate, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    if (hook) ::UnhookWindowsHookEx(hook);
    hook = nullptr;
    pendingCaption = nullptr;
    return answer;
}

}  // namespace lp::win
