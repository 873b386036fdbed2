#include "statement/AtomicFile.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "platform/SystemReason.h"
#include "platform/WideText.h"

namespace lp {

namespace {

std::atomic<unsigned> tempCounter{0};

std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring tempNameIn(const std::wstring& folder) {
    return folder + wideFromText(kTempFilePrefix) + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(tempCounter++) + L".tmp";
}

// Removes temporary files this program left in `folder` whose process no
// longer runs.
void removeStaleTemps(const std::wstring& folder) {
    const std::wstring prefix = wideFromText(kTempFilePrefix);
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + prefix + L"*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        const std::wstring name = found.cFileName;
        const std::size_t dash = name.find(L'-', prefix.size());
        if (dash == std::wstring::npos || dash == prefix.size() || dash - prefix.size() > 9) continue;
        const std::wstring digits = name.substr(prefix.size(), dash - prefix.size());
        if (digits.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const DWORD pid = static_cast<DWORD>(std::stoul(digits));
        if (pid == ::GetCurrentProcessId()) continue;
        bool gone = false;
        if (HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid)) {
            gone = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
            ::CloseHandle(process);
        } else {
            gone = ::GetLastError() == ERROR_INVALID_PARAMETER;
        }
        if (gone) ::DeleteFileW((folder + name).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// What is at `target` when it is not a plain file on a disk: the reason,
// or "" when it may be replaced. A symbolic link (or junction) is followed
// and `target` becomes the file it names.
std::string checkTarget(std::wstring& target) {
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return "";  // a new name
        if (error == ERROR_PATH_NOT_FOUND) return "";  // the temporary file names the missing folder
        return lastSystemReason();
    }
    // Open what the name leads to, following links, without reading it.
    HANDLE handle = ::CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) && ::GetLastError() == ERROR_FILE_NOT_FOUND) {
            return "符号链接指向的文件不存在";
        }
        return lastSystemReason();
    }
    const DWORD type = ::GetFileType(handle);
    if (type != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        return type == FILE_TYPE_PIPE ? "这个名字是一个命名管道，不是普通文件" : "这个名字是一个设备，不是普通文件";
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        wchar_t final[32768];
        const DWORD n = ::GetFinalPathNameByHandleW(handle, final, 32768, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n > 0 && n < 32768) {
            target.assign(final, n);
            attributes = ::GetFileAttributesW(target.c_str());
        }
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (::GetFileInformationByHandle(handle, &info)) attributes = info.dwFileAttributes;
    ::CloseHandle(handle);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "这个名字是一个文件夹，不是普通文件";
    // A file marked read-only is not replaced (Wine's move would replace it).
    if (attributes & FILE_ATTRIBUTE_READONLY) return "文件是只读的";
    return "";
}

}  // namespace

std::string replaceFile(const std::string& path, std::string_view bytes) {
    std::wstring target = wideFromText(path);
    if (target.empty()) {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return lastSystemReason();
    }
    if (std::string why = checkTarget(target); !why.empty()) return why;
    const std::wstring folder = folderOf(target);
    removeStaleTemps(folder);

    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = tempNameIn(folder);
        file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE) return lastSystemReason();

    std::string why;
    if (!writeAll(file, bytes) || !::FlushFileBuffers(file)) why = lastSystemReason();
    if (!::CloseHandle(file) && why.empty()) why = lastSystemReason();
    // A file another program holds is not replaced: the move fails.
    if (why.empty() &&
        !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        why = lastSystemReason();
    if (!why.empty()) ::DeleteFileW(temp.c_str());
    return why;
}

}  // namespace lp
