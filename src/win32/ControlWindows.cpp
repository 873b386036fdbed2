#include "ControlWindows.h"

#include <cwchar>

#include "WideText.h"

namespace lp::win {

HWND createControl(HWND parent, const ControlSpec& def, int id, const wchar_t* pictureClass) {
    DWORD style = WS_CHILD | WS_VISIBLE | (def.tabStop ? WS_TABSTOP : 0);
    DWORD exStyle = 0;
    const wchar_t* windowClass = L"STATIC";
    switch (def.kind) {
    case ControlKind::Label:
        style |= def.align == TextAlign::Centre ? SS_CENTER : SS_LEFT;
        break;
    case ControlKind::TextBox:
        windowClass = L"EDIT";
        style |= ES_AUTOHSCROLL;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::PasswordBox:
        windowClass = L"EDIT";
        style |= ES_AUTOHSCROLL | ES_PASSWORD;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ListBox:
        windowClass = L"EDIT";
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | ES_NOHIDESEL;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Button:
        windowClass = L"BUTTON";
        style |= (def.role == ButtonRole::Default || def.role == ButtonRole::DefaultAndCancel) ? BS_DEFPUSHBUTTON
                                                                                                  : BS_PUSHBUTTON;
        break;
    case ControlKind::Picture:
        windowClass = pictureClass;
        if (std::wcscmp(pictureClass, L"STATIC") == 0) style |= SS_ICON;  // a picture of an icon
        break;
    }
    HWND control = ::CreateWindowExW(exStyle, windowClass, wide(def.text).c_str(), style, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr);
    if (control && def.kind == ControlKind::PasswordBox) ::SendMessageW(control, EM_SETPASSWORDCHAR, L'*', 0);
    if (control && def.kind == ControlKind::ListBox) ::SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    return control;
}

void placeControl(HWND control, const ControlSpec& def, int dpi, HFONT font) {
    placeControl(control, def.place, dpi, font);
}

void placeControl(HWND control, const TwipsRect& place, int dpi, HFONT font) {
    const PixelRect r = toPixels(place, dpi);
    ::SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace lp::win
