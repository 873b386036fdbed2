#include "simulation/MarkShapes.h"

#include <algorithm>
#include <climits>

#include "simulation/CellPower.h"

namespace lp {

namespace {

void addLine(std::vector<MarkShape>& shapes, const std::vector<CellMark>& marks, std::size_t first, std::size_t end) {
    auto add = [&](const CellMark& m, ShapeKind kind, Rgb colour) {
        shapes.push_back({m.line, m.column, m.width, kind, colour});
    };
    for (std::size_t k = first; k < end; ++k) {
        if (marks[k].flags & cellpower::StepElement) add(marks[k], ShapeKind::Background, kStepColour);
        if (marks[k].flags & cellpower::PulledIn) add(marks[k], ShapeKind::CoilBody, kPulledInColour);
    }
    for (std::size_t k = first; k < end; ++k)
        if (marks[k].flags & cellpower::Energized) add(marks[k], ShapeKind::Glyphs, kEnergizedColour);
    for (std::size_t k = first; k < end; ++k)
        if ((marks[k].flags & (cellpower::Closed | cellpower::Energized)) == cellpower::Closed)
            add(marks[k], ShapeKind::Glyphs, kClosedColour);
    for (std::size_t k = first; k < end; ++k) {
        const uint8_t flags = marks[k].flags;
        if ((flags & (cellpower::OpenGap | cellpower::Closed)) != (cellpower::OpenGap | cellpower::Closed)) continue;
        add(marks[k], ShapeKind::GapBar, flags & cellpower::Energized ? kEnergizedColour : kClosedColour);
    }
    for (std::size_t k = first; k < end; ++k)
        if (marks[k].flags & cellpower::Differs) add(marks[k], ShapeKind::Frame, kDiffersColour);
}

}  // namespace

std::vector<MarkShape> markShapes(const std::vector<CellMark>& marks) {
    std::vector<CellMark> sorted = marks;
    std::stable_sort(sorted.begin(), sorted.end(), [](const CellMark& a, const CellMark& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    std::vector<MarkShape> shapes;
    for (std::size_t first = 0; first < sorted.size();) {
        std::size_t end = first;
        while (end < sorted.size() && sorted[end].line == sorted[first].line) ++end;
        addLine(shapes, sorted, first, end);
        first = end;
    }
    return shapes;
}

std::vector<int> changedMarkLines(const std::vector<MarkShape>& before, const std::vector<MarkShape>& after) {
    // Both are in line order, so one walk along them finds those lines.
    std::vector<int> lines;
    std::size_t i = 0, j = 0;
    while (i < before.size() || j < after.size()) {
        const int line = std::min(i < before.size() ? before[i].line : INT_MAX, j < after.size() ? after[j].line : INT_MAX);
        std::size_t i2 = i, j2 = j;
        while (i2 < before.size() && before[i2].line == line) ++i2;
        while (j2 < after.size() && after[j2].line == line) ++j2;
        if (!std::equal(before.begin() + static_cast<std::ptrdiff_t>(i), before.begin() + static_cast<std::ptrdiff_t>(i2),
                        after.begin() + static_cast<std::ptrdiff_t>(j), after.begin() + static_cast<std::ptrdiff_t>(j2)))
            lines.push_back(line);
        i = i2;
        j = j2;
    }
    return lines;
}

}  // namespace lp
