#include "app/KeyValue.h"

#include <algorithm>
#include <array>
#include <limits>

#include "app/AnsiText.h"

namespace lp {

namespace {

// Closes an opened key on every way out, a throwing registry call included.
class OpenKey {
public:
    OpenKey(Registry& registry, RegHandle handle) : registry_(registry), handle_(handle) {}
    ~OpenKey() { registry_.RegCloseKey(handle_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

private:
    Registry& registry_;
    RegHandle handle_;
};

void appendHexDigits(std::string& out, unsigned char byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (byte >= 16) out += digits[byte / 16];
    out += digits[byte % 16];
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string formatHexNumber(const std::string& text) {
    if (text.size() < 3 || text[0] != '&' || (text[1] != 'h' && text[1] != 'H')) return text;
    std::uint64_t value = 0;
    for (std::size_t i = 2; i < text.size(); ++i) {
        int digit = hexDigitValue(text[i]);
        if (digit < 0) return text;
        if (value > (std::numeric_limits<std::uint64_t>::max() >> 4)) return text;  // too large
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    return std::to_string(value);
}

bool GetKeyValue(Registry& registry, const RegRoot& KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegHandle key = 0;
    if (registry.RegOpenKeyExA(KeyRoot, ansiFromText(KeyName), 0, kKeyValueAccessMask, key) !=
        kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    OpenKey closer(registry, key);

    std::array<unsigned char, kKeyValueBufferSize> buffer{};
    std::uint32_t size = kKeyValueBufferSize;
    std::uint32_t type = 0;
    if (registry.RegQueryValueExA(key, ansiFromText(SubKeyRef), type, buffer.data(), size) !=
        kErrorSuccess) {
        KeyVal.clear();
        return false;
    }

    // The size tells how much came back; it can never be more than the buffer.
    std::string value(reinterpret_cast<const char*>(buffer.data()),
                      std::min<std::uint32_t>(size, kKeyValueBufferSize));
    if (!value.empty() && value.back() == '\0') value.pop_back();

    switch (type) {
    case kRegSz:
        KeyVal = textFromAnsi(value);
        break;
    case kRegDword:
        for (auto it = value.rbegin(); it != value.rend(); ++it)
            appendHexDigits(KeyVal, static_cast<unsigned char>(*it));
        KeyVal = formatHexNumber("&h" + KeyVal);
        break;
    default:
        break;
    }
    return true;
}

}  // namespace lp
