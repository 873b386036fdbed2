#include "app/FontFaces.h"

#include <array>
#include <cstring>

namespace lp {

namespace {
constexpr std::array<const char*, 5> kSongTiStandIns{"AR PL UMing CN", "AR PL UMing TW", "WenQuanYi Zen Hei",
                                                     "Noto Serif CJK SC", "Noto Sans CJK SC"};
constexpr std::array<const char*, 5> kKaiTiStandIns{"AR PL UKai CN", "AR PL UKai TW", "AR PL UMing CN",
                                                    "WenQuanYi Zen Hei", "Noto Serif CJK SC"};
constexpr std::array<const char*, 4> kLiShuStandIns{"WenQuanYi Zen Hei Mono", "WenQuanYi Zen Hei", "AR PL UMing CN",
                                                    "Noto Sans CJK SC"};
// Outline fonts with every box-drawing glyph first: at the sheet's size a
// font's embedded bitmaps may lack some of them (the sheet places each
// character at its column, whatever the font's own advances).
constexpr std::array<const char*, 5> kNewSongTiStandIns{"NSimSun", "SimSun", "AR PL UMing CN",
                                                        "WenQuanYi Zen Hei Mono", "宋体"};
}  // namespace

std::span<const char* const> faceStandIns(const char* face) {
    if (!face) return {};
    if (std::strcmp(face, kSongTi) == 0) return kSongTiStandIns;
    if (std::strcmp(face, kKaiTi) == 0) return kKaiTiStandIns;
    if (std::strcmp(face, kLiShu) == 0) return kLiShuStandIns;
    if (std::strcmp(face, kNewSongTi) == 0) return kNewSongTiStandIns;
    return {};
}

}  // namespace lp
