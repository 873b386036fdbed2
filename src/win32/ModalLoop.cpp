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

void runModalLoop(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        // The program ends while a command waits for its box: the command
        // cannot be left without an answer (the name prompt asks again until
        // it has a name), so the program ends here.
        if (got == 0) ::ExitProcess(static_cast<UINT>(message.wParam));
        if (got < 0) ::ExitProcess(1);
        deliver(message);
    }
}

void endProgram() { ::PostQuitMessage(0); }

}  // namespace lp::win
