#pragma once
// What a view paints of a running simulation over the printed sheet: shapes
// on runs of display columns of one printed line, with their colours,
// already in painting order. A view only turns them into pixels.
#include <vector>

#include "texts/PowerColours.h"

namespace lp {

enum class ShapeKind {
    Background,  // the cells' whole box, under the glyphs (the element of the last step)
    CoilBody,    // the middle third of a coil, between its brackets, under the glyphs
    Glyphs,      // the cells' glyphs painted again in the colour
    GapBar,      // a bar across the middle of the cells (a closed normally-open contact)
    Frame,       // a 2-pixel frame inside the cells' box (a coil that differs)
};

struct MarkShape {
    int line = 0;    // printed line, from 0
    int column = 0;  // first display column
    int width = 0;   // display columns
    ShapeKind kind = ShapeKind::Background;
    Rgb colour{};
    bool operator==(const MarkShape&) const = default;
};

// Painting order within a line: background shapes first, then the plain
// glyphs of the line, then the rest in the order given.
inline bool paintedUnderGlyphs(ShapeKind kind) { return kind == ShapeKind::Background || kind == ShapeKind::CoilBody; }

}  // namespace lp
