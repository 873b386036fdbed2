#include "Window.h"

#include "Resources.h"

namespace lp::win {

namespace {
constexpr const wchar_t* kKeyOwner = L"LadderPad.KeyOwner";
}

Window::~Window() {
    if (hwnd_) {
        HWND window = hwnd_;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::RemovePropW(window, kKeyOwner);
        hwnd_ = nullptr;
        ::DestroyWindow(window);
    }
}

Window* Window::keyOwnerOf(HWND window) {
    HWND root = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
    return root ? static_cast<Window*>(::GetPropW(root, kKeyOwner)) : nullptr;
}

void Window::create(const wchar_t* className, int background, DWORD exStyle, const wchar_t* title, DWORD style,
                    HWND parent, HMENU menu) {
    WNDCLASSEXW wc{};
    if (!::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = windowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
        wc.lpszClassName = className;
        ::RegisterClassExW(&wc);
    }
    ::CreateWindowExW(exStyle, className, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      parent, menu, ::GetModuleHandleW(nullptr), this);
    if (hwnd_ && !(style & WS_CHILD)) ::SetPropW(hwnd_, kKeyOwner, this);
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam) { return byDefault(message, wParam, lParam); }

LRESULT CALLBACK Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::RemovePropW(window, kKeyOwner);
        self->hwnd_ = nullptr;
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

HICON programIcon(int size) {
    HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size,
                               LR_SHARED);
    return icon ? static_cast<HICON>(icon) : ::LoadIconW(nullptr, IDI_APPLICATION);
}

void setProgramIcons(HWND window) {
    ::SendMessageW(window, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(programIcon(::GetSystemMetrics(SM_CXICON))));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(programIcon(::GetSystemMetrics(SM_CXSMICON))));
}

}  // namespace lp::win
