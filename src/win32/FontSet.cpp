#include "FontSet.h"

#include "Fonts.h"

namespace lp::win {

HFONT FontSet::get(const FontSpec& def, int dpi, const FontSpec& fallback) {
    const FontSpec& chosen = def.face ? def : fallback;
    const Key key{chosen.face ? chosen.face : "", chosen.points, chosen.bold, chosen.underline, dpi};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    HFONT font = createFont(chosen, dpi);
    fonts_.emplace(key, font);
    return font;
}

void FontSet::clear() {
    for (auto& [key, font] : fonts_) ::DeleteObject(font);
    fonts_.clear();
}

}  // namespace lp::win
