#pragma once
// Text helpers of the hardening harness, written apart from the editor's own
// so that they can judge it: counting characters, turning arbitrary bytes
// into well-formed UTF-8, and the replies a hostile user might type.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lp::hardening {

// Code points of well-formed UTF-8 text, or -1 when the bytes are not
// well-formed (stray or missing continuation bytes, overlong forms,
// surrogates, values above U+10FFFF).
int countCodePoints(std::string_view text);

// Whether well-formed UTF-8 text holds a character of the categories Cc,
// Cf, Zl or Zp (read with ICU's own UTF-8 decoding).
bool hasHiddenCharacter(std::string_view text);

// Whether the text holds a character drawn as nothing (a filler or an
// invisible mark), or starts or ends with a space other than the ordinary one.
bool looksBlank(std::string_view text);

// True for a reply the name prompt must accept: three characters, none of
// them a control, format or separator character, none drawn as nothing.
inline bool isAcceptableName(std::string_view text) {
    return countCodePoints(text) == 3 && !hasHiddenCharacter(text) && !looksBlank(text);
}

// Appends the UTF-8 form of a Unicode scalar value (surrogates and values
// above U+10FFFF become U+FFFD).
void appendUtf8(std::string& out, uint32_t codePoint);

// Well-formed UTF-8 made from any bytes: ASCII bytes stay, every other byte
// and the byte after it together pick one character (anywhere in Unicode),
// so that the text a user can paste is reachable from fuzz input.
std::string wellFormedFromBytes(std::string_view bytes);

// Replies to the name prompt that a user could give: cancel, too short, too
// long, control characters, NUL, combining marks, emoji, right-to-left text,
// three spaces, full-width letters, a byte-order mark, glyph look-alikes,
// and byte strings that are not UTF-8 at all.
const std::vector<std::string>& hostileReplies();

// Texts a user could paste into the list box: every kind of line break,
// NUL, characters outside GB2312, very long lines.
const std::vector<std::string>& hostileListTexts();

}  // namespace lp::hardening
