#pragma once
// frmLogin: the first window of a run. A matching user name and password
// open the main window; a mismatch says so and lets the user try again as
// often as they like; cancel ends the program.
#include <functional>

#include "DialogWindow.h"

namespace lp::win {

class LoginWindow : public DialogWindow {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadLogin";
    LoginWindow();

    HWND lblLabels(int index) const { return control(index == 0 ? "lblLabels0" : "lblLabels1"); }
    HWND txtUserName() const { return control("txtUserName"); }
    HWND txtPassword() const { return control("txtPassword"); }
    HWND cmdOK() const { return control("cmdOK"); }
    HWND cmdCancel() const { return control("cmdCancel"); }

    // The credentials matched; the dialog has been hidden for good.
    std::function<void()> loggedIn;
    // Ends the program (cancel, Esc, closing the dialog from its frame).
    std::function<void()> endProgram;

    void cmdOK_Click();
    void cmdCancel_Click();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace lp::win
