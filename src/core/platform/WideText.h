#pragma once
// Windows speaks UTF-16 in its "W" calls; the program's texts are UTF-8.
// These convert at that boundary through the system's own converter
// (MultiByteToWideChar / WideCharToMultiByte). Bytes that are not UTF-8, or
// UTF-16 that is not well formed, come out as U+FFFD.
#ifdef _WIN32

#include <string>
#include <string_view>

namespace lp {

std::wstring wideFromText(std::string_view text);
std::string textFromWide(std::wstring_view wide);

}  // namespace lp

#endif
