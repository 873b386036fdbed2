#pragma once
// What the login dialog and the about box share: a fixed-dialog frame with
// a close box and no minimize or maximize box, kept out of the task bar
// (owned by a hidden window), its controls made from a core table in tab
// order, its client area grown to hold them, dialog keys (Tab, Enter, Esc,
// access keys), centred on the screen when shown.
#include <map>
#include <span>
#include <string>

#include "FontSet.h"
#include "Window.h"
#include "app/Controls.h"

namespace lp::win {

class DialogWindow : public Window {
public:
    bool preTranslate(MSG& message) override { return ::IsDialogMessageW(hwnd(), &message) != FALSE; }
    // The control of that name in the definition.
    HWND control(const std::string& name) const;
    // Shows the dialog at the centre of the screen with the focus on its
    // first control in tab order.
    void show();

protected:
    // Makes the window and its controls. `idOf` gives each control's id
    // (IDOK and IDCANCEL for the buttons that Enter and Esc press).
    void createDialog(const wchar_t* className, const char* caption, TwipsRect client,
                      std::span<const ControlSpec> controls, int (*idOf)(const ControlSpec&));
    int dpi() const { return dpi_; }
    // Dialog messages: a new resolution places the controls again.
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called after the controls were placed at dpi().
    virtual void placed() {}

private:
    void layout(int dpi, const RECT* suggested);

    std::span<const ControlSpec> specs_;
    TwipsRect client_{};
    FontSet fonts_;
    std::map<std::string, HWND> controls_;
    HWND firstFocus_ = nullptr;
    int dpi_ = 96;
};

// A hidden top-level window that owns the dialogs, so that they stay out of
// the task bar.
HWND dialogOwner();

}  // namespace lp::win
