#include "sheet/Palette.h"

#include "sheet/PaletteTables.h"

namespace lp {

Palette::Palette() {
    enabled_.fill(true);
    visible_.fill(true);
    visible_[19] = false;
    visible_[20] = false;
}

void Palette::setEnabled(int n, bool on) {
    if (valid(n)) enabled_[static_cast<std::size_t>(n)] = on;
}

void Palette::setVisible(int n, bool on) {
    if (valid(n)) visible_[static_cast<std::size_t>(n)] = on;
}

void Palette::apply(const PaletteChange& change) {
    for (std::size_t i = 0; i < change.enabled.size(); ++i)
        if (change.enabled[i] != '=') setEnabled(static_cast<int>(i) + 1, change.enabled[i] == '1');
    const int row[] = {13, 14, 19, 20};
    for (std::size_t i = 0; i < change.visible.size() && i < 4; ++i)
        if (change.visible[i] != '=') setVisible(row[i], change.visible[i] == '1');
}

std::string Palette::enabledString() const {
    std::string s;
    for (int n = 1; n <= kButtonCount; ++n) s += enabled(n) ? '1' : '0';
    return s;
}

std::string Palette::visibleString() const {
    std::string s;
    for (int n : {13, 14, 19, 20}) s += visible(n) ? '1' : '0';
    return s;
}

}  // namespace lp
