#pragma once
// One scale for the whole main window, so that every control stays on a
// screen smaller than the layout: the largest factor, at most 1, by which
// every place and size in twips and every font fit inside the work area of
// the window's monitor with the frame and the menu bar. Factor 1 is the
// layout as drawn, to the pixel.
#include "app/Twips.h"

namespace lp {

inline constexpr double kSmallestLayoutScale = 0.6;

// Where the main window's controls reach, in twips from the client area's
// top left: the right edge and the bottom edge of the outermost control.
TwipsRect mainLayoutExtent();

struct ScreenRoom {
    int workWidth = 0, workHeight = 0;  // the monitor less the task bar, in pixels
    int dpi = kStandardDpi;             // the monitor's resolution (96 at 100 %, 144 at 150 %)
    int frameWidth = 0;                 // the window's left and right borders together, in pixels
    int frameHeight = 0;                // its title bar and top and bottom borders together
    int menuHeight = 0;                 // the menu bar
};

// The factor for this screen: 1 where the layout fits, else smaller, never
// below kSmallestLayoutScale.
double layoutScale(const ScreenRoom& room);

// A place scaled by the factor (twips stay twips).
TwipsRect scaled(const TwipsRect& place, double factor);

}  // namespace lp
