#include "Tooltips.h"

#include <commctrl.h>

#include "WideText.h"

namespace lp::win {

HWND addButtonTooltips(HWND owner, const std::array<HWND, 23>& buttons, const std::function<std::string(int)>& tip) {
    HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    if (!tips) return nullptr;
    // A path is long: let the tip wrap at the screen's width rather than run off it.
    ::SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN) / 2);
    for (std::size_t n = 1; n < buttons.size(); ++n) {
        if (!buttons[n]) continue;
        std::wstring text = wide(tip(static_cast<int>(n)));
        if (text.empty()) continue;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(buttons[n]);
        tool.lpszText = text.data();
        ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tips;
}

}  // namespace lp::win
