// LadderPad on Windows: draw a relay ladder diagram and translate it into an
// instruction list.
//   ladderpad.exe [FILE.lad]   opens the drawing FILE.lad after a successful login
//   ladderpad.exe --version    prints the version and the licence
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "AppFlow.h"
#include "ModalLoop.h"
#include "WideText.h"
#include "app/VersionText.h"

namespace {
// The program has no console of its own; `--version` writes to the one it
// was started from, if any.
void printVersion() {
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    const std::wstring text = lp::win::wide(lp::versionText("ladderpad.exe"));
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (!::WriteConsoleW(out, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        const std::string utf8 = lp::versionText("ladderpad.exe");
        ::WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    lp::win::AppFlow flow;
    int argc = 0;
    if (LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
        const bool version = argc > 1 && std::wstring_view(argv[1]) == L"--version";
        if (argc > 1 && !version) flow.drawingToOpen = lp::win::utf8(argv[1]);
        ::LocalFree(argv);
        if (version) {
            printVersion();
            return 0;
        }
    }
    flow.start();
    return lp::win::runMessageLoop();
}
