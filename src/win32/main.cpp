// LadderPad on Windows: draw a relay ladder diagram and translate it into an
// instruction list.
//   ladderpad.exe [FILE.lad]   opens the drawing FILE.lad after a successful login
//   ladderpad.exe --version    prints the version and the licence
//   ladderpad.exe --export DRAWING.lad OUT.png|OUT.svg
//                              writes the drawing's picture, with no window
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "AppFlow.h"
#include "ModalLoop.h"
#include "PicturePainter.h"
#include "WideText.h"
#include "app/PictureExport.h"
#include "app/VersionText.h"

namespace {
// The program has no console of its own; `--version` writes to the one it
// was started from, if any.
void printTo(DWORD stream, const std::string& utf8) {
    if (!::AttachConsole(ATTACH_PARENT_PROCESS) && ::GetLastError() != ERROR_ACCESS_DENIED) return;
    const std::wstring text = lp::win::wide(utf8);
    HANDLE out = ::GetStdHandle(stream);
    DWORD written = 0;
    if (!::WriteConsoleW(out, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr))
        ::WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

void printVersion() { printTo(STD_OUTPUT_HANDLE, lp::versionText("ladderpad.exe")); }

// The picture of a drawing file, with no window: 0 when written, else 1
// with the reason on standard error.
int exportPicture(const std::string& drawing, const std::string& out) {
    const lp::FilePicture loaded = lp::pictureOfDrawingFile(drawing);
    std::string error = loaded.error;
    if (loaded.ok) {
        switch (lp::pictureFormatOf(out)) {
        case lp::PictureFormat::Svg: error = lp::writeSvgPicture(loaded.picture, out); break;
        case lp::PictureFormat::Png:
            if (const std::string why = lp::win::writePicturePng(loaded.picture, out); !why.empty())
                error = "无法写入文件：" + out + "（" + why + "）";
            break;
        default: error = "图片的文件名须以 .png 或 .svg 结尾：" + out; break;
        }
    }
    if (error.empty()) return 0;
    printTo(STD_ERROR_HANDLE, error + "\r\n");
    return 1;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    lp::win::AppFlow flow;
    int argc = 0;
    if (LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
        const bool version = argc > 1 && std::wstring_view(argv[1]) == L"--version";
        if (argc > 1 && std::wstring_view(argv[1]) == L"--export") {
            const int status = argc == 4 ? exportPicture(lp::win::utf8(argv[2]), lp::win::utf8(argv[3])) : 1;
            if (argc != 4) printTo(STD_ERROR_HANDLE, "usage: ladderpad.exe --export DRAWING.lad OUT.png|OUT.svg\r\n");
            ::LocalFree(argv);
            return status;
        }
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
