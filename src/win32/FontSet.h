#pragma once
// The fonts one window uses, made once per resolution and freed with it.
#include <map>
#include <string>
#include <tuple>

#include <windows.h>

#include "app/FontFaces.h"

namespace lp::win {

class FontSet {
public:
    FontSet() = default;
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;
    ~FontSet() { clear(); }

    // The font described at dpi; one without a face gives `fallback`.
    HFONT get(const FontSpec& def, int dpi, const FontSpec& fallback);
    void clear();

private:
    using Key = std::tuple<std::string, double, bool, bool, int>;
    std::map<Key, HFONT> fonts_;
};

}  // namespace lp::win
