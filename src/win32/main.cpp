// LadderPad on Windows: draw a relay ladder diagram and translate it into an
// instruction list.
#include <windows.h>

#include <commctrl.h>

#include "AppFlow.h"
#include "ModalLoop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    lp::win::AppFlow flow;
    flow.start();
    return lp::win::runMessageLoop();
}
