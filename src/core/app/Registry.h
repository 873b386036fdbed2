#pragma once
// The three registry calls the about box makes, behind an interface: the
// Windows build reads the real registry through advapi32, other systems get
// a stand-in (StandInRegistry.h), tests a fake. Key paths, value names and
// value data cross this interface as bytes in the system's ANSI code page,
// as they do through the "A" calls of advapi32.
#include <cstdint>
#include <memory>
#include <string>

namespace lp {

using RegRoot = std::uint32_t;     // a predefined root key, as its 32-bit handle value
using RegHandle = std::uintptr_t;  // an open key

inline constexpr RegRoot kHKeyLocalMachine = 0x80000002u;

// Type codes of a value.
inline constexpr std::uint32_t kRegSz = 1;     // text
inline constexpr std::uint32_t kRegDword = 4;  // 32-bit number

// Result codes (the system's error numbers).
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens keyPath under root. Gives kErrorSuccess and the key in outHandle,
    // or an error code (outHandle is then left alone).
    virtual long RegOpenKeyExA(RegRoot root, const std::string& keyPath, std::uint32_t options,
                               std::uint32_t accessMask, RegHandle& outHandle) = 0;

    // Reads the value valueName of an open key into buffer, which holds
    // inOutSize bytes. On kErrorSuccess, outType is the value's type code and
    // inOutSize the number of bytes returned; on kErrorMoreData the buffer was
    // too small and inOutSize is the size needed. A null buffer only asks for
    // the type and size.
    virtual long RegQueryValueExA(RegHandle handle, const std::string& valueName,
                                  std::uint32_t& outType, unsigned char* buffer,
                                  std::uint32_t& inOutSize) = 0;

    virtual long RegCloseKey(RegHandle handle) = 0;
};

// The registry of this system: advapi32 on Windows, StandInRegistry elsewhere.
std::unique_ptr<Registry> makeSystemRegistry();

}  // namespace lp
