#pragma once
// The program's texts are UTF-8; the registry's "A" calls speak the system's
// ANSI code page. On Windows these convert between the two; elsewhere the
// system's narrow encoding is UTF-8 and they return the text unchanged.
#include <string>
#include <string_view>

#include "platform/WideText.h"  // wideFromText on Windows

namespace lp {

std::string ansiFromText(std::string_view text);
std::string textFromAnsi(std::string_view ansi);

}  // namespace lp
