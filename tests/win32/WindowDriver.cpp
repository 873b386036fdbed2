#include "WindowDriver.h"

#include <vector>

namespace lp::test {

namespace {
constexpr UINT kRun = WM_APP + 1;     // lParam: the function to run
constexpr UINT kSignal = WM_APP + 2;  // lParam: the event to set
constexpr int kWaitMs = 10000;
constexpr int kMessageTextId = 0xFFFF;  // the text of a message box
}  // namespace

WindowDriver::WindowDriver() : uiThread_(::GetCurrentThreadId()) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = bridgeProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LadderPadTestBridge";
    ::RegisterClassExW(&wc);
    bridge_ = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    handled_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

WindowDriver::~WindowDriver() {
    ::DestroyWindow(bridge_);
    ::CloseHandle(handled_);
}

LRESULT CALLBACK WindowDriver::bridgeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRun) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == kSignal) {
        ::SetEvent(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void WindowDriver::onUiThread(const std::function<void()>& f) {
    ::SendMessageW(bridge_, kRun, 0, reinterpret_cast<LPARAM>(&f));
}

void WindowDriver::click(HWND button) {
    // Posted messages of one thread arrive in order: when the signal is
    // handled, so is the click.
    ::PostMessageW(button, BM_CLICK, 0, 0);
    ::PostMessageW(bridge_, kSignal, 0, reinterpret_cast<LPARAM>(handled_));
    ::WaitForSingleObject(handled_, kWaitMs);
}

void WindowDriver::pressKey(HWND window, WPARAM key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    ::PostMessageW(bridge_, kSignal, 0, reinterpret_cast<LPARAM>(handled_));
    ::WaitForSingleObject(handled_, kWaitMs);
}

void WindowDriver::post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ::PostMessageW(window, message, wParam, lParam);
    ::PostMessageW(bridge_, kSignal, 0, reinterpret_cast<LPARAM>(handled_));
    ::WaitForSingleObject(handled_, kWaitMs);
}

bool WindowDriver::waitFor(const std::function<bool()>& condition) {
    for (int waited = 0; waited < kWaitMs; waited += 20) {
        if (condition()) return true;
        ::Sleep(20);
    }
    return condition();
}

HWND WindowDriver::findWindow(const wchar_t* className, const std::wstring& caption) {
    struct Search {
        const wchar_t* className;
        const std::wstring* caption;
        HWND found;
    } search{className, &caption, nullptr};
    ::EnumThreadWindows(
        uiThread_,
        [](HWND window, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (!::IsWindowVisible(window) || std::wstring(name) != s->className) return TRUE;
            std::vector<wchar_t> text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1);
            ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
            if (std::wstring(text.data()) != *s->caption) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WindowDriver::waitForMessageBox(const std::wstring& caption) {
    HWND box = nullptr;
    waitFor([&] { return (box = findWindow(L"#32770", caption)) != nullptr; });
    return box;
}

std::wstring WindowDriver::messageText(HWND box) {
    HWND text = ::GetDlgItem(box, kMessageTextId);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(::GetWindowTextLengthW(text)) + 1);
    ::GetWindowTextW(text, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

}  // namespace lp::test
