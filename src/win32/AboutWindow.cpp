#include "AboutWindow.h"

#include <cstring>

#include "ModalLoop.h"
#include "app/AboutForm.h"
#include "app/SysInfo.h"

namespace lp::win {

namespace {
constexpr int kSysInfoId = 110;
int idOf(const ControlSpec& def) {
    if (std::strcmp(def.name, "cmdOK") == 0) return IDOK;
    if (std::strcmp(def.name, "cmdSysInfo") == 0) return kSysInfoId;
    return 100 + def.tabIndex;
}
}  // namespace

AboutWindow::AboutWindow() {
    endProgram = [] { lp::win::endProgram(); };
    createDialog(kClassName, kAboutCaption, kAboutClient, aboutControls(), idOf);
    ui_.owner = hwnd();
    ::SendMessageW(picIcon(), STM_SETICON, reinterpret_cast<WPARAM>(programIcon(16)), 0);
    placed();  // the icon control took the icon's size
}

// picIcon shows the 16 x 16 icon at the top-left of its place.
void AboutWindow::placed() {
    HWND icon = picIcon();
    if (!icon) return;
    const PixelRect place = toPixels(findControl(aboutControls(), "picIcon")->place, dpi());
    const int side = ::MulDiv(16, dpi(), kStandardDpi);
    ::SetWindowPos(icon, nullptr, place.left, place.top, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::cmdOK_Click() {
    ::ShowWindow(hwnd(), SW_HIDE);
    endProgram();
}

void AboutWindow::cmdSysInfo_Click() { StartSysInfo(ui_); }

void AboutWindow::paintLines() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd(), &ps);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    for (const LineSpec& line : aboutLines()) {
        HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(line.grey, line.grey, line.grey));
        HGDIOBJ old = ::SelectObject(dc, pen);
        const int y = twipsToPixels(line.top, dpi()) + line.pixelsDown;
        ::MoveToEx(dc, twipsToPixels(line.from, dpi()), y, nullptr);
        ::LineTo(dc, aboutLineEnd(line, dpi(), client.right) + 1, y);
        ::SelectObject(dc, old);
        ::DeleteObject(pen);
    }
    ::EndPaint(hwnd(), &ps);
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) cmdOK_Click();  // Enter and Esc too
        else if (LOWORD(wParam) == kSysInfoId && HIWORD(wParam) == BN_CLICKED) cmdSysInfo_Click();
        return 0;
    case WM_PAINT:
        paintLines();
        return 0;
    case WM_CLOSE:  // closing from the frame ends the program, as OK does
        cmdOK_Click();
        return 0;
    default:
        return DialogWindow::handle(message, wParam, lParam);
    }
}

}  // namespace lp::win
