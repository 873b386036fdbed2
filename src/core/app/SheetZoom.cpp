#include "app/SheetZoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lp {

namespace {
constexpr std::array kSteps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
constexpr double kSheetPoints = 9.0;
}  // namespace

int validZoom(int percent) { return std::clamp(percent, kSmallestZoom, kLargestZoom); }

int zoomedIn(int percent) {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), validZoom(percent));
    return next == kSteps.end() ? kLargestZoom : *next;
}

int zoomedOut(int percent) {
    const auto at = std::lower_bound(kSteps.begin(), kSteps.end(), validZoom(percent));
    return at == kSteps.begin() ? kSmallestZoom : *(at - 1);
}

int zoomedByWheel(int percent, int notches) {
    for (; notches > 0; --notches) percent = zoomedIn(percent);
    for (; notches < 0; ++notches) percent = zoomedOut(percent);
    return validZoom(percent);
}

double sheetFontPoints(double layoutFactor, int zoomPercent) {
    return kSheetPoints * layoutFactor * validZoom(zoomPercent) / 100.0;
}

}  // namespace lp

namespace lp {

int sheetFontPixels(double layoutFactor, int zoomPercent, int dpi) {
    const double pixels = sheetFontPoints(layoutFactor, zoomPercent) * dpi / 72.0;
    return 2 * std::max(3, static_cast<int>(std::lround(pixels / 2)));
}

}  // namespace lp
