// LadderPad on Windows: draw a relay ladder diagram and translate it into an
// instruction list.
//   ladderpad.exe [FILE.lad]   opens the drawing FILE.lad after a successful login
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "AppFlow.h"
#include "ModalLoop.h"
#include "WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    lp::win::AppFlow flow;
    int argc = 0;
    if (LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
        if (argc > 1) flow.drawingToOpen = lp::win::utf8(argv[1]);
        ::LocalFree(argv);
    }
    flow.start();
    return lp::win::runMessageLoop();
}
