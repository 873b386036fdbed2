#pragma once
// A small modal window of our own, laid out from its table of controls: the
// name prompt and the question before leaving. Dialog keys (Tab, Enter, Esc)
// work as in a dialog.
#include <span>
#include <string>
#include <vector>

#include "FontSet.h"
#include "Window.h"
#include "app/Controls.h"

namespace lp::win {

class ModalBox : public Window {
public:
    bool preTranslate(MSG& message) override;

protected:
    // Makes the window with its caption and every control of `controls`
    // (each with the id idOf gives it), sized to hold them at the window's
    // resolution and centred on the screen. The controls in table order.
    std::vector<HWND> build(const wchar_t* className, const std::string& caption, HWND owner,
                            std::span<const ControlSpec> controls, const TwipsRect& client,
                            int (*idOf)(const ControlSpec&));
    // Shows the box over `owner` (disabled meanwhile), with the focus on
    // `focus`, until done_ is set.
    void runModally(HWND owner, HWND focus);

    bool done_ = false;

private:
    FontSet fonts_;
};

}  // namespace lp::win
