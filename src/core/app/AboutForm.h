#pragma once
// frmAbout's definition: caption, client size, controls and the etched
// separator Line1.
#include <span>

#include "app/Controls.h"

namespace lp {

inline constexpr const char* kAboutCaption = "关于";
inline constexpr TwipsRect kAboutClient{0, 0, 5850, 3540};

// picIcon, lblTitle, Label4, lblDescription, Label2, Label3, Label5,
// lblDisclaimer, cmdOK, cmdSysInfo.
std::span<const ControlSpec> aboutControls();

// One member of Line1: a horizontal line from x `from` to x `to` (twips) at
// height `top`, in grey level `grey` (0 black .. 255 white). `pixelsDown`
// moves it that many pixels below `top`, so that the pair shows as one
// etched line at any resolution.
struct LineSpec {
    double from, to, top;
    int grey;
    int pixelsDown;
};

// Member 1 (grey) first, then member 0 (white) a pixel below it.
std::span<const LineSpec> aboutLines();

// Where a separator line ends, in pixels, in a client area `clientWidth`
// pixels wide. Both lines end past the stated client width: they run across
// the whole dialog, to its right edge, however wide the dialog was made to
// hold its controls.
int aboutLineEnd(const LineSpec& line, int dpi, int clientWidth);

}  // namespace lp
