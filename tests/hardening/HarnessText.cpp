#include "hardening/HarnessText.h"

#include "editor/BlankCharacters.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace lp::hardening {

bool hasHiddenCharacter(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        switch (u_charType(c)) {
        case U_CONTROL_CHAR:
        case U_FORMAT_CHAR:
        case U_LINE_SEPARATOR:
        case U_PARAGRAPH_SEPARATOR: return true;
        default: break;
        }
    }
    return false;
}


int countCodePoints(std::string_view text) {
    int count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len;
        uint32_t cp;
        uint32_t least;
        if (lead < 0x80) {
            ++i;
            ++count;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            len = 2, cp = lead & 0x1Fu, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            len = 3, cp = lead & 0x0Fu, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            len = 4, cp = lead & 0x07u, least = 0x10000;
        } else {
            return -1;  // continuation byte, C0/C1 overlong lead, F5..FF
        }
        if (text.size() - i < len) return -1;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0u) != 0x80u) return -1;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
        i += len;
        ++count;
    }
    return count;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string wellFormedFromBytes(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        const uint32_t next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[++i]) : 0;
        // 0x80..0xFF x 0..255 spread over the planes that hold characters:
        // the BMP (CJK, box drawing, right-to-left), and plane 1 (emoji).
        const uint32_t pick = ((b & 0x7Fu) << 8) | next;
        const uint32_t cp = (b & 0x40u) ? 0x1F000u + (pick & 0x0FFFu) : 0x80u + pick * 2u;
        appendUtf8(out, cp);
    }
    return out;
}

const std::vector<std::string>& hostileReplies() {
    using namespace std::string_literals;
    static const std::vector<std::string> replies = {
        ""s,                                  // cancel
        "X1"s,                                // too short
        "X012"s,                              // too long
        std::string(300, 'A'),                // far too long
        "X01"s,                               // a plain good name
        "Y01"s,
        "   "s,                               // three spaces
        "\x01\x02\x03"s,                      // control characters
        "\t\r\n"s,                            // line breaks inside a name
        "a\r\nb"s,                            // four characters with CR LF
        "\r\nX"s,                             // three characters with CR LF
        "\x1b[m"s,                            // an escape sequence
        "\0AB"s,                              // NUL first
        "\0\0\0"s,                            // only NUL
        "A\0"s,                               // two characters, one NUL
        "e\xCC\x81\xCC\x81"s,                 // e + two combining acute accents
        "\xCC\x81\xCC\x81\xCC\x81"s,          // three combining marks alone
        "e\xCC\x81"s,                         // looks like one letter, two characters
        "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80"s,  // three emoji
        "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBDX"s,                  // thumbs up, skin tone, X
        "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"s,  // family: 5 characters
        "\xD7\x90\xD7\x91\xD7\x92"s,          // Hebrew alef bet gimel
        "\xD9\x85\xD8\xB1\xD8\xAD"s,          // Arabic letters
        "\xE2\x80\xAE" "ab"s,                 // right-to-left override + 2
        "\xEF\xBC\xB8\xEF\xBC\xB9\xEF\xBC\xBA"s,  // full-width XYZ
        "\xEF\xBC\xB8\xEF\xBC\x90\xEF\xBC\x91"s,  // full-width X01
        "\xE7\xBA\xBF\xE5\x9C\x88\xE4\xB8\x80"s,   // Chinese: three characters
        "\xEF\xBB\xBF" "X0"s,                 // byte-order mark + 2
        "\xEF\xBF\xBF" "AB"s,                 // a noncharacter + 2
        "\xE2\x94\x81\xE2\x94\x81\xE2\x94\x81"s,  // "━━━": three glyphs as a name
        "\xE2\x94\x83  "s,                    // "┃" and two spaces
        "END"s,
        "LD "s,
        "\xFF\xFE\xFD"s,                      // not UTF-8
        "\xC0\xAFX"s,                         // overlong "/"
        "\xED\xA0\x80" "ab"s,                 // a surrogate
        "X0\xE2\x82"s,                        // truncated sequence
        "\x80\x80\x80"s,                      // continuation bytes only
        "\xF4\x90\x80\x80" "ab"s,             // above U+10FFFF
    };
    return replies;
}

const std::vector<std::string>& hostileListTexts() {
    using namespace std::string_literals;
    static const std::vector<std::string> texts = {
        ""s,
        "LD  X01\r\nEND\r\n"s,
        "a\nb\rc\r\nd"s,
        "\r\r\n\n"s,
        "\r"s,
        "tail\r\n"s,
        "\0mid\0"s,
        "\xE8\xBE\x93\xE5\x85\xA5\xE5\x99\xA8\xE4\xBB\xB6"s,  // Chinese, in GB2312
        "\xF0\x9F\x98\x80 \xE2\x82\xAC \xD7\x90 \xEA\xB0\x80"s,  // emoji, euro, Hebrew, Hangul
        "\xC3\xA9\xCC\x81"s,                   // accented letters
        std::string(5000, 'x') + "\n" + std::string(3, '\n'),
    };
    return texts;
}

bool looksBlank(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k < n && i + static_cast<std::size_t>(k) < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
        points.push_back(c);
        i += static_cast<std::size_t>(n);
    }
    for (char32_t c : points)
        if (lp::isBlankMark(c)) return true;
    return !points.empty() && (lp::isOtherSpace(points.front()) || lp::isOtherSpace(points.back()));
}

}  // namespace lp::hardening
