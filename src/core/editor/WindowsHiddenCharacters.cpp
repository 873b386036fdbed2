#ifdef _WIN32

#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "editor/HiddenCharacters.h"

namespace lp {

namespace {

// ICU's general categories, as u_charType gives them.
enum : int { LineSeparator = 13, ParagraphSeparator = 14, Control = 15, Format = 16 };

using CharType = std::int8_t(__cdecl*)(std::int32_t);

// Windows 10 carries ICU with its C interface: icu.dll from version 1903,
// icuuc.dll before it.
CharType systemCharType() {
    for (const wchar_t* library : {L"icu.dll", L"icuuc.dll"}) {
        HMODULE module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!module) continue;
        if (FARPROC found = ::GetProcAddress(module, "u_charType"))
            return reinterpret_cast<CharType>(reinterpret_cast<void*>(found));
        ::FreeLibrary(module);
    }
    return nullptr;
}

// Without ICU: the controls (a range Unicode never changes), the two
// separators, and what the system's own character typing calls a control.
bool hiddenWithoutIcu(char32_t c) {
    if (c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) return true;
    if (c > 0xFFFF) return false;
    const wchar_t unit = static_cast<wchar_t>(c);
    WORD type = 0;
    return ::GetStringTypeW(CT_CTYPE1, &unit, 1, &type) && (type & C1_CNTRL) != 0;
}

}  // namespace

bool isHiddenCharacter(char32_t c) {
    static const CharType charType = systemCharType();
    if (!charType) return hiddenWithoutIcu(c);
    switch (charType(static_cast<std::int32_t>(c))) {
    case Control:
    case Format:
    case LineSeparator:
    case ParagraphSeparator: return true;
    default: return false;
    }
}

}  // namespace lp

#endif
