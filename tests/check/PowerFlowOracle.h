#pragma once
// An evaluator of the drawing written apart from the library under test:
// for one assignment of the devices it lets power flow cell by cell from
// the left rail, rung by rung from the top, and records what the coils
// write. It also runs an instruction list with plain Booleans. The tests
// compare the library's symbolic proof against it.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Sheet.h"

namespace lp::test {

struct OracleWrite {
    std::string device;
    bool value;
    bool operator==(const OracleWrite&) const = default;
};

using Assignment = std::map<std::string, bool>;

class PowerFlowOracle {
public:
    PowerFlowOracle(const Sheet& sheet, int curRow, int curCol);

    // The devices the drawing reads (contact names) and writes (coil names).
    std::vector<std::string> devices() const;
    bool endDrawn() const { return endDrawn_; }

    // Rung by rung: every coil of a rung takes the power that reaches its
    // lead-in with the values from before the rung; then the rung's coils
    // write, top to bottom.
    std::vector<OracleWrite> run(const Assignment& initial) const;

    struct RungView {
        int row = 0, col = 0;       // topmost, then leftmost element
        int contacts = 0;
        std::vector<int> coilRows;  // top to bottom
        std::vector<std::string> contactNames, coilNames;
    };
    const std::vector<RungView>& rungs() const { return rungs_; }

    // Whether the coil on `row` gets power when every contact of the sheet
    // is forced closed (or forced open).
    bool coilPoweredWithAllContacts(int row, bool closed) const;

    // Whether the rung holding the coil on `row` reduces, by removing
    // loose ends and loops and by merging series and parallel pairs, to one
    // piece from the rail to that coil.
    bool reducesToOnePiece(int row) const;

private:
    struct Switch {
        int row, slot;
        std::string name;
        bool normallyClosed;
    };
    struct CoilAt {
        int row;
        std::string name;
    };
    enum class Mode { Values, AllClosed, AllOpen };

    int arms(int row, int col) const;
    bool isPlateOrType(int row, int col) const;
    // Cells lit from the rail: switches conduct by mode (and values).
    std::vector<bool> flood(Mode mode, const Assignment* values) const;
    void findRungs();

    const Sheet& sheet_;
    int lastRow_ = 0;  // rows below it are blank
    bool endDrawn_ = false;
    std::vector<Switch> switches_;
    std::vector<CoilAt> coils_;
    std::vector<int> plateOrType_;  // per cell: 0 none, 1 left plate, 2 type, 3 right plate
    std::vector<RungView> rungs_;
    std::vector<int> coilOrderInRungs_;  // coil indices, rung by rung
};

// Runs the list with plain Booleans. Nothing when it is malformed: a line
// that is no instruction or lacks its CR LF, AND/ANI/OR/ORI/OUT on an empty
// stack, ANB/ORB with fewer than two entries, OUT with more than one, a
// line after END, a result that no OUT wrote; MPS on an empty stack or with
// 11 results saved, MRD/MPP with none, a result saved by MPS and not taken
// back by MPP when a new rung starts or the list ends.
struct OracleListRun {
    std::vector<OracleWrite> writes;
    bool endsWithEnd = false;
};
std::optional<OracleListRun> runListWithValues(std::string_view list, const Assignment& initial);

// All assignments of the devices, 2^n of them.
std::vector<Assignment> allAssignments(const std::vector<std::string>& devices);

// The devices a list names.
std::vector<std::string> devicesOfList(std::string_view list);

}  // namespace lp::test
