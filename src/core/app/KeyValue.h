#pragma once
// Reading one registry value as text, the way the about box looks up the
// system-information program.
#include <cstdint>
#include <string>

#include "app/Registry.h"

namespace lp {

// The access the about box asks for when it opens a key.
inline constexpr std::uint32_t kKeyValueAccessMask = 0x2003Fu;
// Bytes read of a value at most; a longer value is not read.
inline constexpr std::uint32_t kKeyValueBufferSize = 1024;

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal and
// gives true. A key that cannot be opened or a value that cannot be read
// (missing, or longer than kKeyValueBufferSize bytes) gives false and an
// empty KeyVal. A NUL ending the value is dropped. By the value's type:
// - text (1): KeyVal is the text;
// - 32-bit number (4): the hexadecimal digits of each byte, last byte first
//   and without leading zeros, are appended to what KeyVal held; "&h" goes in
//   front and the whole is formatted as a number (see formatHexNumber);
// - any other type: KeyVal keeps what it held.
// The key is closed again whenever it was opened.
bool GetKeyValue(Registry& registry, const RegRoot& KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// The general number formatting of an "&h" text: "&h" (or "&H") followed by
// hexadecimal digits whose value fits in 64 bits becomes that value in
// decimal digits ("&h001A" -> "26"); any other text is returned unchanged.
std::string formatHexNumber(const std::string& text);

}  // namespace lp
