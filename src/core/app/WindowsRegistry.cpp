#ifdef _WIN32

#include <windows.h>

#include "app/Registry.h"

namespace lp {

namespace {

HKEY toKey(RegHandle handle) { return reinterpret_cast<HKEY>(handle); }

// A predefined root is a 32-bit value that Windows sign-extends to a handle.
HKEY rootKey(RegRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

class WindowsRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegRoot root, const std::string& keyPath, std::uint32_t options,
                       std::uint32_t accessMask, RegHandle& outHandle) override {
        HKEY key = nullptr;
        LONG result = ::RegOpenKeyExA(rootKey(root), keyPath.c_str(), options, accessMask, &key);
        // A standard user may not open keys of HKEY_LOCAL_MACHINE for writing.
        // This program only reads, so it then asks for the reading rights alone.
        if (result == ERROR_ACCESS_DENIED && (accessMask & ~static_cast<std::uint32_t>(KEY_READ)) != 0)
            result = ::RegOpenKeyExA(rootKey(root), keyPath.c_str(), options, accessMask & KEY_READ, &key);
        if (result == ERROR_SUCCESS) outHandle = reinterpret_cast<RegHandle>(key);
        return result;
    }

    long RegQueryValueExA(RegHandle handle, const std::string& valueName, std::uint32_t& outType,
                          unsigned char* buffer, std::uint32_t& inOutSize) override {
        DWORD type = 0;
        DWORD size = inOutSize;
        LONG result = ::RegQueryValueExA(toKey(handle), valueName.c_str(), nullptr, &type, buffer, &size);
        outType = type;
        inOutSize = size;
        return result;
    }

    long RegCloseKey(RegHandle handle) override { return ::RegCloseKey(toKey(handle)); }
};

}  // namespace

std::unique_ptr<Registry> makeSystemRegistry() { return std::make_unique<WindowsRegistry>(); }

}  // namespace lp

#endif
