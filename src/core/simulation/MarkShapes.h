#pragma once
// A running simulation's cell marks as the shapes a view paints, and which
// printed lines change between two sets of shapes.
#include <vector>

#include "app/SheetPaint.h"
#include "simulation/SimulationMarks.h"

namespace lp {

// By line; within a line in painting order: the step's element and the body
// of a pulled-in coil under the glyphs; over them the glyphs of energized
// cells and of closed contacts without power in their colour, the bar across
// a closed normally-open contact's gap, and a frame round a coil that
// differs.
std::vector<MarkShape> markShapes(const std::vector<CellMark>& marks);

// The lines (ascending) whose shapes differ between `before` and `after`.
std::vector<int> changedMarkLines(const std::vector<MarkShape>& before, const std::vector<MarkShape>& after);

}  // namespace lp
