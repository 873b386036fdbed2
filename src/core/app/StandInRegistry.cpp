#ifndef _WIN32

#include "app/StandInRegistry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/SysInfo.h"

namespace lp {

namespace {

bool sameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> findOnSearchPath(const std::string& name, const std::string& searchPath) {
    if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
    std::size_t start = 0;
    while (true) {
        std::size_t end = searchPath.find(':', start);
        std::string folder = searchPath.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::error_code ec;
        std::filesystem::path dir = folder.empty() ? std::filesystem::current_path(ec) : std::filesystem::path(folder);
        if (!ec) {
            std::filesystem::path candidate = std::filesystem::absolute(dir / name, ec).lexically_normal();
            if (!ec && isExecutableFile(candidate.string())) return candidate.string();
        }
        if (end == std::string::npos) return std::nullopt;
        start = end + 1;
    }
}

std::optional<std::string> findSysInfoProgram(const std::string& searchPath) {
    for (const char* program : kStandInSysInfoPrograms)
        if (auto path = findOnSearchPath(program, searchPath)) return path;
    return std::nullopt;
}

StandInRegistry::StandInRegistry(std::string searchPath) : searchPath_(std::move(searchPath)) {}

long StandInRegistry::RegOpenKeyExA(RegRoot root, const std::string& keyPath, std::uint32_t,
                                    std::uint32_t, RegHandle& outHandle) {
    if (root != kHKeyLocalMachine) return kErrorFileNotFound;
    Key key;
    if (sameIgnoringAsciiCase(keyPath, kSysInfoPathKey))
        key = Key::SysInfoPath;
    else if (sameIgnoringAsciiCase(keyPath, kSysInfoFolderKey))
        key = Key::SysInfoFolder;
    else
        return kErrorFileNotFound;
    outHandle = next_++;
    open_.emplace(outHandle, key);
    return kErrorSuccess;
}

long StandInRegistry::RegQueryValueExA(RegHandle handle, const std::string& valueName,
                                       std::uint32_t& outType, unsigned char* buffer,
                                       std::uint32_t& inOutSize) {
    auto it = open_.find(handle);
    if (it == open_.end()) return kErrorInvalidHandle;
    if (it->second != Key::SysInfoPath || !sameIgnoringAsciiCase(valueName, kSysInfoPathValue))
        return kErrorFileNotFound;
    std::optional<std::string> program = findSysInfoProgram(searchPath_);
    if (!program) return kErrorFileNotFound;

    // A text value is stored with its ending NUL.
    const auto needed = static_cast<std::uint32_t>(program->size() + 1);
    outType = kRegSz;
    if (buffer == nullptr) {
        inOutSize = needed;
        return kErrorSuccess;
    }
    if (inOutSize < needed) {
        inOutSize = needed;
        return kErrorMoreData;
    }
    std::memcpy(buffer, program->c_str(), needed);
    inOutSize = needed;
    return kErrorSuccess;
}

long StandInRegistry::RegCloseKey(RegHandle handle) {
    return open_.erase(handle) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

std::unique_ptr<Registry> makeSystemRegistry() {
    const char* path = std::getenv("PATH");
    return std::make_unique<StandInRegistry>(path ? path : "/usr/local/bin:/usr/bin:/bin");
}

}  // namespace lp

#endif
