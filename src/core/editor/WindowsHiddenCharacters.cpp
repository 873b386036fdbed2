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

// The format characters (Cf) of Unicode 15, for a system without ICU
// (older Windows, Wine): Unicode adds to them only rarely.
struct Range {
    char32_t first, last;
};
constexpr Range kFormat[] = {
    {0xAD, 0xAD},       {0x600, 0x605},     {0x61C, 0x61C},     {0x6DD, 0x6DD},     {0x70F, 0x70F},
    {0x890, 0x891},     {0x8E2, 0x8E2},     {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

// Without ICU: the controls (a range Unicode never changes), the two
// separators and the format characters.
bool hiddenWithoutIcu(char32_t c) {
    if (c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) return true;
    for (const Range& range : kFormat)
        if (c >= range.first && c <= range.last) return true;
    return false;
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
