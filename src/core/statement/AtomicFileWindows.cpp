#include "statement/AtomicFile.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "platform/WideText.h"

namespace lp {

namespace {

std::atomic<unsigned> tempCounter{0};

// The temporary file lies beside the target, named after it.
std::wstring tempPathFor(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    return folder + L"." + name + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." +
           std::to_wstring(tempCounter++) + L".tmp";
}

HANDLE createTemp(const std::wstring& path, std::wstring& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = tempPathFor(path);
        HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view bytes) {
    const std::wstring target = wideFromText(path);
    if (target.empty()) return false;
    // A file marked read-only is not replaced (Wine's move would replace it).
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    std::wstring temp;
    HANDLE file = createTemp(target, temp);
    if (file == INVALID_HANDLE_VALUE) return false;

    bool ok = writeAll(file, bytes) && ::FlushFileBuffers(file);
    ok = ::CloseHandle(file) && ok;
    // A folder in the way, or a file another program holds, is not replaced: the move fails.
    ok = ok && ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) ::DeleteFileW(temp.c_str());
    return ok;
}

}  // namespace lp
