#pragma once
// frmAbout: the last window of a run. "确定" (and Enter, Esc, or closing the
// box from its frame) ends the program; "系统信息(&S)..." starts the system's
// information program.
#include <functional>

#include "DialogWindow.h"
#include "Win32UserInterface.h"

namespace lp::win {

class AboutWindow : public DialogWindow {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadAbout";
    AboutWindow();

    HWND picIcon() const { return control("picIcon"); }
    HWND lblTitle() const { return control("lblTitle"); }
    HWND cmdOK() const { return control("cmdOK"); }
    HWND cmdSysInfo() const { return control("cmdSysInfo"); }

    // The message box of "系统信息(&S)..." goes through this.
    Win32UserInterface& userInterface() { return ui_; }
    // Ends the program.
    std::function<void()> endProgram;

    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void placed() override;
    void paintLines();

    Win32UserInterface ui_;
};

}  // namespace lp::win
