#pragma once
// Characters that are drawn as nothing although they are neither controls
// nor format characters, so that a name holding them looks empty or like
// another name.

namespace lp {

// Fillers and invisible marks: the Hangul fillers (U+115F, U+1160, U+3164,
// U+FFA0), the braille blank (U+2800), the combining grapheme joiner
// (U+034F), the Khmer inherent vowels (U+17B4, U+17B5), the Mongolian free
// variation selectors and the variation selectors.
bool isBlankMark(char32_t c);

// Spaces other than the ordinary one: the no-break spaces, the typographic
// spaces of U+2000 to U+200A, the medium mathematical space and the
// ideographic space. At either end of a name they cannot be seen, and the
// name looks like one with an ordinary space or none.
bool isOtherSpace(char32_t c);

}  // namespace lp
