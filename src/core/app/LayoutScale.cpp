#include "app/LayoutScale.h"

#include <algorithm>

#include "app/MainForm.h"
#include <string_view>

namespace lp {

TwipsRect mainLayoutExtent() {
    double right = 0, bottom = 0;
    const std::span<const ControlSpec> controls = mainFormControls();
    for (const ControlSpec& control : controls) {
        TwipsRect place = control.place;
        if (control.container) {
            // Inside Picture2: its place is relative to the palette's.
            for (const ControlSpec& c : controls)
                if (std::string_view(c.name) == control.container) {
                    place.left += c.place.left;
                    place.top += c.place.top;
                }
        }
        right = std::max(right, place.left + place.width);
        bottom = std::max(bottom, place.top + place.height);
    }
    return {0, 0, right, bottom};
}

double layoutScale(const ScreenRoom& room) {
    const TwipsRect extent = mainLayoutExtent();
    const double pixelsPerTwip = room.dpi / kTwipsPerInch;
    const double across = (room.workWidth - room.frameWidth) / (extent.width * pixelsPerTwip);
    const double down = (room.workHeight - room.frameHeight - room.menuHeight) / (extent.height * pixelsPerTwip);
    return std::clamp(std::min({1.0, across, down}), kSmallestLayoutScale, 1.0);
}

TwipsRect scaled(const TwipsRect& place, double factor) {
    return {place.left * factor, place.top * factor, place.width * factor, place.height * factor};
}

}  // namespace lp
