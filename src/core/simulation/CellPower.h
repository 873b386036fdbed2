#pragma once
// What the sheet view shows of a running simulation, cell by cell.
#include <cstddef>
#include <cstdint>

#include "sheet/Sheet.h"

namespace lp {

namespace cellpower {
inline constexpr uint8_t Energized = 1;      // power flows through the cell
inline constexpr uint8_t Closed = 2;         // a cell of a closed contact
inline constexpr uint8_t PulledIn = 4;       // a cell of a coil whose device is 1
inline constexpr uint8_t Differs = 8;        // a cell of a coil whose list value differs from the drawing's
inline constexpr uint8_t StepElement = 16;   // a cell of the element of the instruction the last step ran
inline constexpr uint8_t InputContact = 32;  // a cell of a contact whose device the user switches
inline constexpr uint8_t OpenGap = 64;       // the blank middle cell of a normally-open contact
}  // namespace cellpower

inline constexpr std::size_t kSheetCells = static_cast<std::size_t>(kLastRow - kFirstRow + 1) * kColCount;

// The index of a cell in the per-cell tables, row by row from row 1.
inline std::size_t cellIndex(int row, int col) {
    return static_cast<std::size_t>(row - kFirstRow) * kColCount + static_cast<std::size_t>(col - kFirstCol);
}

}  // namespace lp
