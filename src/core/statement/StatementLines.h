#pragma once
// The lines of the instruction list: a four-character mnemonic, for the
// element emitters the device name exactly as its cell holds it, then CR LF.
#include <string>
#include <string_view>

namespace lp::mnemonic {

inline constexpr std::string_view LD = "LD  ";
inline constexpr std::string_view LDI = "LDI ";
inline constexpr std::string_view AND = "AND ";
inline constexpr std::string_view ANI = "ANI ";
inline constexpr std::string_view OR = "OR  ";
inline constexpr std::string_view ORI = "ORI ";
inline constexpr std::string_view OUT = "OUT ";
inline constexpr std::string_view ANB = "ANB ";
inline constexpr std::string_view ORB = "ORB ";
inline constexpr std::string_view END = "END";  // the one line without padding

inline constexpr std::string_view lineEnd = "\r\n";

inline void appendLine(std::string& list, std::string_view mnemonic, std::string_view name = {}) {
    list.append(mnemonic);
    list.append(name);
    list.append(lineEnd);
}

}  // namespace lp::mnemonic
