#pragma once
// What the Windows tests share: a fresh folder in the Wine prefix's
// temporary folder, files read and written by UTF-8 paths, and keys of the
// prefix's own registry made and removed again.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/TextPath.h"
#include "platform/WideText.h"

namespace lp::test {

class PrefixFolder {
public:
    // `name` is the last part of the folder's name (it may hold Chinese).
    explicit PrefixFolder(const std::string& name = "ladderpad") {
        wchar_t temp[MAX_PATH + 1];
        const DWORD n = ::GetTempPathW(MAX_PATH + 1, temp);
        if (n == 0 || n > MAX_PATH) throw std::runtime_error("no temporary folder");
        static unsigned counter = 0;
        path_ = textFromWide(temp) + "lp-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(counter++) + "-" + name;
        std::filesystem::create_directories(pathFromText(path_));
    }
    ~PrefixFolder() {
        std::error_code ignored;
        // Read-only files do not stop the removal.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(pathFromText(path_), ignored))
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(pathFromText(path_), ignored);
    }
    PrefixFolder(const PrefixFolder&) = delete;
    PrefixFolder& operator=(const PrefixFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(pathFromText(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(pathFromText(path), std::ios::binary) << bytes;
}

inline bool exists(const std::string& path) {
    return ::GetFileAttributesW(wideFromText(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A key under HKEY_LOCAL_MACHINE, made for the test and removed with all it
// holds at its end; what the key held before the test comes back then.
class MachineKey {
public:
    explicit MachineKey(const std::string& path) : path_(wideFromText(path)) {
        saved_ = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, KEY_READ, &key_) == ERROR_SUCCESS;
        if (saved_) {
            // Kept under a name of its own while the test runs.
            backup_ = path_ + L" (saved by a test)";
            ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, backup_.c_str());
            HKEY copy = nullptr;
            ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, backup_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &copy,
                              nullptr);
            ::RegCopyTreeW(key_, nullptr, copy);
            ::RegCloseKey(copy);
            ::RegCloseKey(key_);
            ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, path_.c_str());
        }
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                              nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot make the key " + path);
    }
    ~MachineKey() {
        ::RegCloseKey(key_);
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, path_.c_str());
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
        if (saved_) {
            HKEY restored = nullptr, copy = nullptr;
            ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &restored,
                              nullptr);
            if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, backup_.c_str(), 0, KEY_READ, &copy) == ERROR_SUCCESS) {
                ::RegCopyTreeW(copy, nullptr, restored);
                ::RegCloseKey(copy);
            }
            ::RegCloseKey(restored);
            ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, backup_.c_str());
            ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, backup_.c_str());
        }
    }
    MachineKey(const MachineKey&) = delete;
    MachineKey& operator=(const MachineKey&) = delete;

    // The bytes stored as an ANSI program stores them (a text in the ANSI
    // code page, its ending NUL only when `bytes` holds it).
    void setAnsi(const std::string& name, DWORD type, const std::string& bytes) {
        check(::RegSetValueExA(key_, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size())));
    }
    // A text stored as a Unicode program stores it, with its ending NUL.
    void setText(const std::string& name, const std::string& text) {
        const std::wstring wide = wideFromText(text);
        check(::RegSetValueExW(key_, wideFromText(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                               static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))));
    }

private:
    static void check(LSTATUS status) {
        if (status != ERROR_SUCCESS) throw std::runtime_error("cannot write a registry value");
    }

    std::wstring path_;
    std::wstring backup_;
    HKEY key_ = nullptr;
    bool saved_ = false;
};

}  // namespace lp::test
