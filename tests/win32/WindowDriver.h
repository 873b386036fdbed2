#pragma once
// Drives the program's windows from a thread of its own while the windows'
// thread runs its message loop: clicks are posted (a click may open a
// modal box, whose loop then runs on the windows' thread), and each waits
// until the windows' thread has taken it; the core's state is read on the
// windows' thread.
#include <functional>
#include <string>

#include <windows.h>

namespace lp::test {

class WindowDriver {
public:
    // Made on the windows' thread.
    WindowDriver();
    ~WindowDriver();

    // Runs f on the windows' thread and waits for it.
    void onUiThread(const std::function<void()>& f);
    // Posts BM_CLICK to the button and waits until the windows' thread has
    // handled it (or entered the modal box it opened).
    void click(HWND button);
    // Posts a key press (down and up) to the window and waits until the
    // windows' thread has taken it.
    void pressKey(HWND window, WPARAM key);
    // Posts the message to the window and waits until the windows' thread
    // has taken it (or entered the modal box it opened).
    void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Waits (up to a few seconds) until the condition holds; false if it
    // never did.
    bool waitFor(const std::function<bool()>& condition);
    // A visible window of the windows' thread with this class and caption.
    HWND findWindow(const wchar_t* className, const std::wstring& caption);
    // The message box with this caption, once shown; nullptr if none came.
    HWND waitForMessageBox(const std::wstring& caption);
    // The text of a message box.
    static std::wstring messageText(HWND box);

private:
    static LRESULT CALLBACK bridgeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND bridge_ = nullptr;
    DWORD uiThread_ = 0;
    HANDLE handled_ = nullptr;
};

}  // namespace lp::test
