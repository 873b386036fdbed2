#include "app/WindowPlacement.h"

#include <algorithm>
#include <span>

#include "app/MainForm.h"

namespace lp {

namespace {

constexpr int kGap = 8;  // pixels between the device table and what it keeps clear of

// `at` moved as little as needed for a frame of `size` to lie inside `work`
// (its top left stays inside when it is larger).
PixelRect keptInside(const PixelRect& work, ScreenPoint at, PixelSize size) {
    const int x = std::max(work.left, std::min(at.x, work.right() - size.width));
    const int y = std::max(work.top, std::min(at.y, work.bottom() - size.height));
    return {x, y, size.width, size.height};
}

}  // namespace

PixelRect centredIn(const PixelRect& work, PixelSize frame) {
    return keptInside(work, {work.left + (work.width - frame.width) / 2, work.top + (work.height - frame.height) / 2},
                      frame);
}

double rightColumnLeft() {
    double left = kMainClient.width;
    for (const ControlSpec& control : mainFormControls())
        if (!control.container && std::string_view(control.name) != "Picture1") left = std::min(left, control.place.left);
    return left;
}

PixelRect deviceTablePlace(const DeviceTableRoom& room, PixelSize table, std::optional<ScreenPoint> moved) {
    if (moved) return keptInside(room.work, *moved, table);
    const int top = std::max(room.work.top, room.top);
    if (room.mainFrame.right() + kGap + table.width <= room.work.right())
        return keptInside(room.work, {room.mainFrame.right() + kGap, top}, table);
    if (room.mainFrame.left - kGap - table.width >= room.work.left)
        return keptInside(room.work, {room.mainFrame.left - kGap - table.width, top}, table);
    if (room.layoutRight + kGap + table.width <= std::min(room.work.right(), room.mainFrame.right()))
        return keptInside(room.work, {room.layoutRight + kGap, top + kGap}, table);
    return keptInside(room.work, {room.rightColumnX - kGap - table.width, top + kGap}, table);
}

}  // namespace lp
