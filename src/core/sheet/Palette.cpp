#include "sheet/Palette.h"

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

void Palette::enable(std::initializer_list<int> buttons) {
    for (int n : buttons) setEnabled(n, true);
}

void Palette::disable(std::initializer_list<int> buttons) {
    for (int n : buttons) setEnabled(n, false);
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
