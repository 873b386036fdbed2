#include "ModalLoop.h"

#include "Window.h"

namespace lp::win {

namespace {
void deliver(MSG& message) {
    if (Window* owner = Window::keyOwnerOf(message.hwnd); owner && owner->preTranslate(message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}
}  // namespace

int runMessageLoop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) deliver(message);
    return static_cast<int>(message.wParam);
}

bool runModalLoop(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got < 0) return false;
        deliver(message);
    }
    return true;
}

void endProgram() { ::PostQuitMessage(0); }

}  // namespace lp::win
