#pragma once
// The colours of a running simulation on the sheet, the same in every front
// end: energized cells, closed contacts without power, the body of a pulled-in
// coil, the frame of a coil whose list value differs, the element (and
// list line) of the last step; and the device table's lamps, on and off.
#include <cstdint>

namespace lp {

struct Rgb {
    uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kEnergizedColour{0, 150, 0};
inline constexpr Rgb kClosedColour{0, 80, 220};
inline constexpr Rgb kPulledInColour{0, 190, 0};
inline constexpr Rgb kDiffersColour{220, 0, 0};
inline constexpr Rgb kStepColour{255, 236, 120};
inline constexpr Rgb kLampOnColour{0, 170, 0};
inline constexpr Rgb kLampOffColour{150, 150, 150};

}  // namespace lp
