#pragma once
// Where there is no registry (Linux and other POSIX systems), this stands in
// for the two keys the about box reads:
// - "SOFTWARE\Microsoft\Shared Tools\MSINFO" under HKEY_LOCAL_MACHINE holds
//   the text value "PATH": the full path of the first of hardinfo2, hardinfo
//   and kinfocenter found on the search path, looked up at each read; it has
//   no value when none is installed;
// - "SOFTWARE\Microsoft\Shared Tools Location" exists and holds no value.
// Key paths and value names match without regard to ASCII case, as in the
// registry. Any other key cannot be opened (kErrorFileNotFound).
#ifndef _WIN32

#include <map>
#include <optional>
#include <string>

#include "app/Registry.h"

namespace lp {

// The system-information programs looked for, most preferred first.
inline constexpr const char* kStandInSysInfoPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter"};

// The full path of the first program named `name` in the folders of
// searchPath (separated by ':'; an empty entry is the current folder):
// an ordinary file that may be executed. Nothing when there is none.
std::optional<std::string> findOnSearchPath(const std::string& name, const std::string& searchPath);

// The full path of the first of kStandInSysInfoPrograms found on searchPath.
std::optional<std::string> findSysInfoProgram(const std::string& searchPath);

class StandInRegistry final : public Registry {
public:
    explicit StandInRegistry(std::string searchPath);

    long RegOpenKeyExA(RegRoot root, const std::string& keyPath, std::uint32_t options,
                       std::uint32_t accessMask, RegHandle& outHandle) override;
    long RegQueryValueExA(RegHandle handle, const std::string& valueName, std::uint32_t& outType,
                          unsigned char* buffer, std::uint32_t& inOutSize) override;
    long RegCloseKey(RegHandle handle) override;

    std::size_t openKeyCount() const { return open_.size(); }

private:
    enum class Key { SysInfoPath, SysInfoFolder };

    std::string searchPath_;
    std::map<RegHandle, Key> open_;
    RegHandle next_ = 1;
};

}  // namespace lp

#endif
