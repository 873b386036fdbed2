#include "editor/BlankCharacters.h"

namespace lp {

bool isBlankMark(char32_t c) {
    return c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180D) ||
           c == 0x180F || c == 0x2800 || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFFA0 ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

bool isOtherSpace(char32_t c) {
    return c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace lp
