#ifndef _WIN32

#include <unicode/uchar.h>

#include "editor/HiddenCharacters.h"

namespace lp {

bool isHiddenCharacter(char32_t c) {
    switch (u_charType(static_cast<UChar32>(c))) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR: return true;
    default: return false;
    }
}

}  // namespace lp

#endif
