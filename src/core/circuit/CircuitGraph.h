#pragma once
// The drawing read as a circuit. Line cells that join one another form a
// net; a contact is a switch between the nets of its two plates; every wire
// cell of column 1 belongs to the powered left rail; a coil is driven from
// the net of its lead-in cell (column 51). A rung is a set of contacts and
// coils joined to one another without passing through the rail.
#include <string>
#include <vector>

namespace lp {

class Sheet;

struct Contact {
    int row = 0;   // graphics row
    int slot = 0;  // first column of its five-cell slot
    std::string name;
    bool normallyClosed = false;
    int left = 0, right = 0;  // nets of its plates
};

struct Coil {
    int row = 0;
    std::string name;
    int leadIn = -1;        // net of the lead-in cell, -1 when that cell is no wire
    bool parallel = false;  // drawn hanging from the lead-in two rows above
};

struct Rung {
    int row = 0;                // topmost graphics row of its contacts and coils
    int col = 0;                // leftmost column among the elements on that row
    std::vector<int> contacts;  // indices into Circuit::contacts, top to bottom, left to right
    std::vector<int> coils;     // indices into Circuit::coils, top to bottom
};

struct Circuit {
    int netCount = 0;
    int rail = 0;  // the net of the left rail
    std::vector<Contact> contacts;
    std::vector<Coil> coils;
    std::vector<Rung> rungs;  // from the top
    bool endAtCursor = false;
};

// Reads the whole sheet. The END element counts when it stands at the cursor.
Circuit readCircuit(const Sheet& sheet, int curRow, int curCol);

// The same, and the net of every cell, row by row from row 1, column 0
// (-1 for a cell that is no wire; a contact's plates belong to the nets
// they touch, its type cell to none).
Circuit readCircuit(const Sheet& sheet, int curRow, int curCol, std::vector<int>& netOfCell);

}  // namespace lp
