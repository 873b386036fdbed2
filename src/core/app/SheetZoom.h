#pragma once
// The sheet's zoom (查看 → 放大, 缩小, 实际大小, Ctrl+wheel): a percentage
// of the sheet's own size, which is the window's layout scale. It moves in
// the usual steps and stays between 50 % and 400 %.
namespace lp {

inline constexpr int kSmallestZoom = 50;
inline constexpr int kLargestZoom = 400;
inline constexpr int kActualZoom = 100;

// The step after `percent` towards larger (or smaller) sheets, kept in range.
int zoomedIn(int percent);
int zoomedOut(int percent);
// `notches` of a wheel turned with Ctrl held: up (positive) zooms in, a
// step a notch.
int zoomedByWheel(int percent, int notches);
// A kept value brought within range.
int validZoom(int percent);

// The sheet font's size in points for this layout scale and zoom.
double sheetFontPoints(double layoutFactor, int zoomPercent);
// That size as the font's em in whole pixels at `dpi`, made even so that
// the half-width columns, and with them the thin strokes of the rails and
// contacts, fall on whole pixels; never below 6.
int sheetFontPixels(double layoutFactor, int zoomPercent, int dpi);

}  // namespace lp
