#pragma once
// The drawing as a picture for handing in and printing: a heading with the
// drawing's name and the date, the sheet down to its last rung (names,
// rails, no cursor), and the list beside it, or under it when it is long.
#include <string>

#include "app/PictureModel.h"

namespace lp {

class Ladder;

inline constexpr const char* kUntitledDrawing = "未命名图纸";

// `name`: the drawing's file name ("" for an untitled drawing); `date` as
// the heading shows it ("2026-12-10").
Picture drawingPicture(const Ladder& ladder, const std::string& name, const std::string& date);

// Today's date on this computer, "YYYY-MM-DD".
std::string todaysDate();

}  // namespace lp
