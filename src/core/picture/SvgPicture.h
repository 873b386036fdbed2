#pragma once
// A picture as an SVG document: text stays text (searchable, selectable),
// each character of the sheet's grid at its own column.
#include <string>

#include "app/PictureModel.h"

namespace lp {

// The font families asked for, CJK monospace first, with fallbacks.
inline constexpr const char* kPictureFonts =
    "'WenQuanYi Zen Hei Mono', 'Noto Sans Mono CJK SC', 'NSimSun', 'SimSun', 'Microsoft YaHei', monospace";

std::string svgOf(const Picture& picture);

}  // namespace lp
