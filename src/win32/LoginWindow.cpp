#include "LoginWindow.h"

#include <cstring>

#include "CaptionFit.h"
#include "ModalLoop.h"
#include "WideText.h"
#include "app/LoginForm.h"

namespace lp::win {

namespace {
int idOf(const ControlSpec& def) {
    if (std::strcmp(def.name, "cmdOK") == 0) return IDOK;
    if (std::strcmp(def.name, "cmdCancel") == 0) return IDCANCEL;
    return 100 + def.tabIndex;
}
}  // namespace

LoginWindow::LoginWindow() {
    endProgram = [] { lp::win::endProgram(); };
    createDialog(kClassName, kLoginCaption, kLoginClient, loginControls(), idOf);
}

void LoginWindow::cmdOK_Click() {
    const std::string userName = utf8(windowText(txtUserName()));
    const std::string password = utf8(windowText(txtPassword()));
    if (credentialsMatch(userName, password)) {
        if (loggedIn) loggedIn();
        ::ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    messageBoxShowingCaption(hwnd(), wide(kLoginFailedText), wide(kLoginCaption), MB_OK);
    ::SetFocus(txtPassword());
    ::SendMessageW(txtPassword(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

void LoginWindow::cmdCancel_Click() {
    ::ShowWindow(hwnd(), SW_HIDE);
    endProgram();
}

LRESULT LoginWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) cmdOK_Click();
        else if (LOWORD(wParam) == IDCANCEL) cmdCancel_Click();
        return 0;
    case WM_CLOSE:  // closing from the frame cancels
        cmdCancel_Click();
        return 0;
    default:
        return DialogWindow::handle(message, wParam, lParam);
    }
}

}  // namespace lp::win
