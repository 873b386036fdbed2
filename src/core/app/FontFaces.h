#pragma once
// Fonts as the window definitions give them: a face name of the GB2312
// character set, a size in points, bold (weight 700) or regular (400), and
// whether underlined. Each front end finds the face, or its stand-in.
#include <span>

namespace lp {

inline constexpr const char* kSongTi = "宋体";
inline constexpr const char* kKaiTi = "楷体_GB2312";
inline constexpr const char* kLiShu = "隶书";
// The sheet's face on Windows: a full-width glyph exactly two half-width
// columns wide.
inline constexpr const char* kNewSongTi = "新宋体";

// The free fonts that stand in for a face where it is not installed, best
// first. Empty for a face the program does not name.
std::span<const char* const> faceStandIns(const char* face);

struct FontSpec {
    const char* face = nullptr;  // nullptr: the window's default font
    double points = 0;
    bool bold = false;
    bool underline = false;
};

}  // namespace lp
