#pragma once
// Exact comparisons of a cell's whole text with a set of glyphs.
#include <initializer_list>
#include <string>
#include <string_view>

namespace lp {

using GlyphSet = std::initializer_list<std::string_view>;

inline bool isAny(const std::string& cell, GlyphSet glyphs) {
    for (std::string_view g : glyphs)
        if (cell == g) return true;
    return false;
}

}  // namespace lp
