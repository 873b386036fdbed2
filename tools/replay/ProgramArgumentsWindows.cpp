#include "ProgramArguments.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/WideText.h"

namespace lp {

namespace {

UINT consoleCodePageBefore = 0;

void restoreConsoleCodePage() { ::SetConsoleOutputCP(consoleCodePageBefore); }

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && ::GetConsoleMode(handle, &mode);
}

}  // namespace

std::vector<std::string> programArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(textFromWide(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

void useBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (isConsole(::GetStdHandle(STD_OUTPUT_HANDLE)) || isConsole(::GetStdHandle(STD_ERROR_HANDLE))) {
        consoleCodePageBefore = ::GetConsoleOutputCP();
        if (consoleCodePageBefore != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) std::atexit(restoreConsoleCodePage);
    }
}

}  // namespace lp
