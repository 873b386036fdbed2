#pragma once
// Enabled and visible states of the 22 buttons Command1..Command22.
#include <array>
#include <string>

namespace lp {

struct PaletteChange;

inline constexpr int kButtonCount = 22;

class Palette {
public:
    // Every button is created enabled; the export row (Command19, Command20)
    // is created hidden.
    Palette();

    static bool valid(int n) { return n >= 1 && n <= kButtonCount; }
    bool enabled(int n) const { return valid(n) && enabled_[static_cast<std::size_t>(n)]; }
    bool visible(int n) const { return valid(n) && visible_[static_cast<std::size_t>(n)]; }
    void setEnabled(int n, bool on);
    void setVisible(int n, bool on);
    // Sets the buttons as a named table of the commands says (PaletteTables.h).
    void apply(const PaletteChange& change);

    // "1111000..." for Command1..Command22.
    std::string enabledString() const;
    // "1100" for Command13, Command14, Command19, Command20.
    std::string visibleString() const;

    bool operator==(const Palette&) const = default;

private:
    std::array<bool, kButtonCount + 1> enabled_{};
    std::array<bool, kButtonCount + 1> visible_{};
};

}  // namespace lp
