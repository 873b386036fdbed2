#pragma once
// The device-name prompt shared by the contacts and the coils.
#include <string>
#include <string_view>

namespace lp {

class Ladder;

inline constexpr const char* kNamePromptTitle = "输入器件名称";
inline constexpr const char* kContactPrompt = "请输入器件名称(限三个字符,如 X01 )";
inline constexpr const char* kCoilPrompt = "请输入器件名称(限三个字符,如 Y01 )";
inline constexpr const char* kBadNameMessage = "输入器件名称不合要求，请重新输入器件名称";

// Number of Unicode code points in well-formed UTF-8 text, or -1 when the
// bytes are not well-formed (stray continuation bytes, truncated or overlong
// sequences, surrogates, values above U+10FFFF).
int codePointCount(std::string_view text);

// A device name is exactly three visible characters, full-width ones and
// spaces included. Text that is not well-formed UTF-8 is never a device
// name: its characters cannot be counted, and storing it would put bytes
// into the sheet that no display or export can show. Nor is a name holding a
// control, format or line/paragraph separator character (see
// isHiddenCharacter): a tab breaks the sheet's columns, and a bidirectional
// override turns the rest of a list line around, on screen and in the file.
// Nor is a name holding a character drawn as nothing (a Hangul filler, the
// braille blank, a variation selector: see isBlankMark), or beginning or
// ending with a space other than the ordinary one (see isOtherSpace): it
// would look empty, or like another name.
bool isDeviceName(std::string_view text);

// Asks for a device name until the reply is a device name, answering
// each wrong reply (a cancel included) with a message; leaves the accepted
// name, exactly as typed, in DeviceName. There is no way out without a name.
void namePrompt(Ladder& ladder, const std::string& prompt);

}  // namespace lp
