#include "editor/NamePrompt.h"

#include "editor/BlankCharacters.h"
#include "editor/HiddenCharacters.h"
#include "sheet/Ladder.h"

namespace lp {

namespace {

// Calls visit(c) for each code point of well-formed UTF-8 text; false when
// the bytes are not well-formed.
template <typename Visit>
bool forEachCodePoint(std::string_view text, Visit visit) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (lead < 0x80) {
            len = 1;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            len = 2, min = 0x80, cp = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            len = 3, min = 0x800, cp = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            len = 4, min = 0x10000, cp = lead & 0x07u;
        } else {
            return false;
        }
        if (len > n - i) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (len > 1 && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) return false;
        i += len;
        visit(static_cast<char32_t>(cp));
    }
    return true;
}

}  // namespace

int codePointCount(std::string_view text) {
    int count = 0;
    return forEachCodePoint(text, [&](char32_t) { ++count; }) ? count : -1;
}

bool isDeviceName(std::string_view text) {
    int count = 0;
    bool hidden = false;
    char32_t first = 0;
    char32_t last = 0;
    const bool wellFormed = forEachCodePoint(text, [&](char32_t c) {
        if (count++ == 0) first = c;
        last = c;
        hidden = hidden || isHiddenCharacter(c) || isBlankMark(c);
    });
    return wellFormed && count == 3 && !hidden && !isOtherSpace(first) && !isOtherSpace(last);
}

void namePrompt(Ladder& ladder, const std::string& prompt) {
    std::string& name = ladder.state.DeviceName;
    name = ladder.ui->inputBox(prompt, kNamePromptTitle);
    while (!isDeviceName(name)) {
        ladder.message(kBadNameMessage);
        name = ladder.ui->inputBox(prompt, kNamePromptTitle);
    }
}

}  // namespace lp
