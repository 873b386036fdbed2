#pragma once
// Fonts by face name in the GB2312 character set, as the window definitions
// name them. A face that is not installed gives way to its first installed
// stand-in (app/FontFaces.h).
#include <string>

#include <windows.h>

#include "app/FontFaces.h"

namespace lp::win {

// Whether a face of that name can be had in the GB2312 character set.
bool faceInstalled(const std::wstring& face);
// The face itself when installed, else its first installed stand-in, else
// the face (the system maps it as it can).
std::wstring resolvedFace(const char* face);

// A new font (the caller deletes it) at the window's resolution.
HFONT createFont(const FontSpec& def, int dpi);
// The same with an em of `pixels`, whatever its size in points.
HFONT createFontOfHeight(const FontSpec& def, int pixels);

// The dialogs' own font: "宋体" 9 pt regular.
inline constexpr FontSpec kDialogFont{kSongTi, 9, false};
// The sheet's font: "新宋体" 9 pt, or a stand-in with full-width glyphs two
// columns wide.
inline constexpr FontSpec kSheetFont{kNewSongTi, 9, false};

}  // namespace lp::win
