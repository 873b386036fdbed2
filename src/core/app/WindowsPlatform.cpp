#ifdef _WIN32

#include <windows.h>

#include <string>

#include "app/AnsiText.h"
#include "app/Platform.h"

namespace lp {

namespace {

StartResult failure(DWORD error) { return {std::error_code(static_cast<int>(error), std::system_category()), 0}; }

class WindowsPlatform final : public Platform {
public:
    // Like a listing with normal attributes: folders, hidden and system
    // files are not shown.
    bool fileExists(const std::string& path) override {
        if (path.empty()) return false;
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW(wideFromText(path).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return false;
        constexpr DWORD hidden = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        bool shown = false;
        do shown = (found.dwFileAttributes & hidden) == 0;
        while (!shown && ::FindNextFileW(search, &found));
        ::FindClose(search);
        return shown;
    }

    StartResult startProgram(const std::string& path) override {
        if (path.empty() || path.find('\0') != std::string::npos)
            return failure(ERROR_INVALID_PARAMETER);
        std::wstring program = wideFromText(path);
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process))
            return failure(::GetLastError());
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return {{}, static_cast<long>(process.dwProcessId)};
    }
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform() { return std::make_unique<WindowsPlatform>(); }

}  // namespace lp

#endif
