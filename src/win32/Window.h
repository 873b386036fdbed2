#pragma once
// A top-level or child window of our own class whose messages go to an
// object: the object is made first, then its window; the window's
// messages reach handle() until the window is destroyed.
#include <windows.h>

namespace lp::win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

    // Keys before they are dispatched, for the window under which they arise
    // (its top-level window): dialog keys, accelerators, tab order. True when
    // the key was taken.
    virtual bool preTranslate(MSG&) { return false; }
    // The window whose keys a message belongs to, or nullptr.
    static Window* keyOwnerOf(HWND window);

protected:
    // Registers the class (once) and makes the window.
    void create(const wchar_t* className, int background, DWORD exStyle, const wchar_t* title, DWORD style,
                HWND parent, HMENU menu = nullptr);
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT byDefault(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// The program's icon from its resources at a size, or the system's.
HICON programIcon(int size);
// Sets a top-level window's big and small icons.
void setProgramIcons(HWND window);

}  // namespace lp::win
