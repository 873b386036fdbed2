#pragma once
// Characters that show nothing of their own on the sheet, or that change how
// the text around them is laid out.

namespace lp {

// True for a character of the Unicode general categories Cc (controls, the
// tab and the escape among them), Cf (format characters: zero-width spaces
// and joiners, the bidirectional overrides and isolates), Zl (the line
// separator) and Zp (the paragraph separator). The categories come from the
// system's Unicode character database (ICU).
bool isHiddenCharacter(char32_t c);

}  // namespace lp
