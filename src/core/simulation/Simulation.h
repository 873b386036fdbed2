#pragma once
// The list in Text1 run as a PLC runs it, scan after scan, beside the
// drawing it was written for.
//
// Devices: every device the list reads or writes, in code-point order of
// their names; one that some OUT writes is computed, every other is an
// input that the user switches. All start at 0. A scan reads the inputs'
// switches at its start, runs the lines from the top (OUT writes its device
// at once, a later line reads the new value) and ends at END or after the
// last line. The lines run through the same step as the check's.
//
// The drawing is read as the check reads it; after every scan its own run
// from the same start tells which coils the list leaves with another value,
// and the current values tell which cells carry power.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/InstructionList.h"
#include "simulation/CellPower.h"

namespace lp {

class Simulation {
public:
    // `parsed`: a well-formed list (see readTypedList). A device name of the
    // list that matches a name of the drawing apart from letter case is that
    // device (see matchDrawingNames).
    Simulation(const ParsedList& parsed, const Sheet& sheet, int curRow, int curCol);

    // The devices, in code-point order of their names.
    const std::vector<std::string>& deviceNames() const { return names_; }
    int deviceCount() const { return static_cast<int>(names_.size()); }
    int deviceOf(const std::string& name) const;  // -1 when the list has no such device
    bool isInput(int device) const { return input_[static_cast<std::size_t>(device)] != 0; }
    // The value the program sees: an input's switch, a computed device's last write.
    bool value(int device) const;

    // Switches an input; false (and nothing changes) when it is no input.
    bool setInput(const std::string& name, bool on);
    bool toggleInput(int device);

    // Runs `n` whole scans; a scan that a step has begun is finished first and counts as one.
    void scan(long n = 1);
    // Runs one instruction.
    void step();
    // Every device and switch back to 0, no scan run.
    void reset();

    long scans() const { return scans_; }
    bool midScan() const { return midScan_; }
    // The line of the text that the next step runs (1-based).
    std::size_t nextLine() const { return lines_[next_].textLine; }
    // The line of the text the last step ran, 0 when no step has run since the last whole scan or reset.
    std::size_t lastStepLine() const { return lastStep_ == kNone ? 0 : lines_[lastStep_].textLine; }
    // The blocks on the stack, bottom first.
    const std::vector<uint8_t>& stack() const { return state_.blocks; }
    // The results saved on the branch stack by MPS, bottom first.
    const std::vector<uint8_t>& branchStack() const { return state_.branches; }
    // Whether the list has an MPS, MRD or MPP line: only then is the branch
    // stack worth showing.
    bool usesBranchStack() const { return usesBranchStack_; }

    // The coils that the last whole scan leaves with another value than the
    // drawing does from the same start, in code-point order.
    const std::vector<std::string>& differs();
    // Per cell (see cellIndex), the flags of cellpower::.
    const std::vector<uint8_t>& cells();
    // The contact on the sheet whose cells include (row, col), as the device it reads (-1 for none).
    int contactDeviceAt(int row, int col) const;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Line {
        Op op;
        int device;  // into values_; -1 for ANB, ORB, END
        std::size_t textLine;
    };
    struct BoolLogic {
        uint8_t andOf(uint8_t a, uint8_t b) { return a & b; }
        uint8_t orOf(uint8_t a, uint8_t b) { return a | b; }
    };

    int slotOf(const std::string& name);  // every name of the list and the drawing has a slot
    void beginScan();
    void runLine(std::size_t i);
    void endScan();
    // The powered nets, with the devices' values as `values` holds them and
    // only the contacts `contacts` (indices into the circuit).
    void floodNets(const std::vector<uint8_t>& values, const std::vector<int>& contacts);

    std::vector<std::string> names_;  // the list's devices, sorted; their slots come first
    std::vector<std::string> slotNames_;
    std::vector<uint8_t> input_;
    std::vector<Line> lines_;
    std::vector<uint8_t> values_;    // by slot
    std::vector<uint8_t> switches_;  // by slot, inputs only
    std::vector<uint8_t> startOfScan_, endOfScan_;
    bool scanned_ = false;
    ListStacks<uint8_t> state_;
    bool usesBranchStack_ = false;
    bool midScan_ = false;
    std::size_t next_ = 0;
    std::size_t lastStep_ = kNone;
    long scans_ = 0;

    std::vector<int> netOfCell_;  // before circuit_: reading the circuit fills it
    Circuit circuit_;
    std::vector<int> contactSlot_, coilSlot_;
    std::vector<int> allContacts_;
    std::vector<uint8_t> powered_;  // by net
    bool differsStale_ = true, cellsStale_ = true;
    std::vector<std::string> differs_;
    std::vector<uint8_t> cells_;
};

}  // namespace lp
