#include "simulation/Simulation.h"

#include <algorithm>
#include <set>

#include "circuit/DeviceNames.h"
#include "circuit/WirePieces.h"

namespace lp {

Simulation::Simulation(const ParsedList& parsed, const Sheet& sheet, int curRow, int curCol)
    : circuit_(readCircuit(sheet, curRow, curCol, netOfCell_)) {
    std::vector<Instruction> program = parsed.lines;
    matchDrawingNames(program, circuit_);
    std::set<std::string> listed, written;
    for (const Instruction& in : program) {
        if (in.op == Op::MPS || in.op == Op::MRD || in.op == Op::MPP) usesBranchStack_ = true;
        if (!namesDevice(in.op)) continue;
        listed.insert(in.device);
        if (in.op == Op::OUT) written.insert(in.device);
    }
    names_.assign(listed.begin(), listed.end());
    slotNames_ = names_;
    for (const std::string& name : names_) input_.push_back(written.count(name) ? 0 : 1);
    for (std::size_t i = 0; i < program.size(); ++i) {
        const Instruction& in = program[i];
        lines_.push_back({in.op, namesDevice(in.op) ? slotOf(in.device) : -1, parsed.lineNumbers[i]});
    }
    if (lines_.empty()) lines_.push_back({Op::END, -1, 1});
    for (const Contact& c : circuit_.contacts) contactSlot_.push_back(slotOf(c.name));
    for (const Coil& c : circuit_.coils) coilSlot_.push_back(slotOf(c.name));
    for (std::size_t i = 0; i < circuit_.contacts.size(); ++i) allContacts_.push_back(static_cast<int>(i));
    values_.assign(slotNames_.size(), 0);
    switches_.assign(slotNames_.size(), 0);
    startOfScan_ = values_;
    endOfScan_ = values_;
    powered_.assign(static_cast<std::size_t>(std::max(circuit_.netCount, 1)), 0);
    state_.blocks.reserve(16);
    state_.branches.reserve(kBranchStackDepth);
    state_.pushedAt.reserve(kBranchStackDepth);
}

int Simulation::slotOf(const std::string& name) {
    const auto it = std::lower_bound(names_.begin(), names_.end(), name);
    if (it != names_.end() && *it == name) return static_cast<int>(it - names_.begin());
    for (std::size_t s = names_.size(); s < slotNames_.size(); ++s)
        if (slotNames_[s] == name) return static_cast<int>(s);
    slotNames_.push_back(name);
    return static_cast<int>(slotNames_.size() - 1);
}

int Simulation::deviceOf(const std::string& name) const {
    const auto it = std::lower_bound(names_.begin(), names_.end(), name);
    return it != names_.end() && *it == name ? static_cast<int>(it - names_.begin()) : -1;
}

bool Simulation::value(int device) const {
    const std::size_t d = static_cast<std::size_t>(device);
    return (input_[d] ? switches_[d] : values_[d]) != 0;
}

bool Simulation::setInput(const std::string& name, bool on) {
    const int device = deviceOf(name);
    if (device < 0 || !isInput(device)) return false;
    switches_[static_cast<std::size_t>(device)] = on ? 1 : 0;
    return true;
}

bool Simulation::toggleInput(int device) {
    if (device < 0 || device >= deviceCount() || !isInput(device)) return false;
    switches_[static_cast<std::size_t>(device)] ^= 1;
    return true;
}

void Simulation::beginScan() {
    for (std::size_t d = 0; d < input_.size(); ++d)
        if (input_[d]) values_[d] = switches_[d];
    startOfScan_ = values_;
    state_.clear();
    midScan_ = true;
    next_ = 0;
}

void Simulation::runLine(std::size_t i) {
    const Line& line = lines_[i];
    uint8_t operand = 0;
    if (readsDevice(line.op)) operand = values_[static_cast<std::size_t>(line.device)] ^ (readsNegated(line.op) ? 1 : 0);
    BoolLogic logic;
    // The list was read as well formed before it ran, so no line can fail.
    (void)applyInstruction(line.op, operand, i, state_, logic);
    if (line.op == Op::OUT) values_[static_cast<std::size_t>(line.device)] = state_.blocks.back();
}

void Simulation::endScan() {
    ++scans_;
    midScan_ = false;
    state_.clear();  // the next scan starts on empty stacks
    next_ = 0;
    scanned_ = true;
    endOfScan_ = values_;
    differsStale_ = cellsStale_ = true;
}

void Simulation::scan(long n) {
    for (long k = 0; k < n; ++k) {
        if (!midScan_) beginScan();
        for (;;) {
            runLine(next_);
            if (state_.ended || ++next_ >= lines_.size()) break;
        }
        endScan();
    }
    lastStep_ = kNone;
    cellsStale_ = true;
}

void Simulation::step() {
    if (!midScan_) beginScan();
    runLine(next_);
    lastStep_ = next_;
    if (state_.ended || ++next_ >= lines_.size()) endScan();
    cellsStale_ = true;
}

void Simulation::reset() {
    std::fill(values_.begin(), values_.end(), 0);
    std::fill(switches_.begin(), switches_.end(), 0);
    startOfScan_ = endOfScan_ = values_;
    state_.clear();
    midScan_ = scanned_ = false;
    next_ = 0;
    lastStep_ = kNone;
    scans_ = 0;
    differs_.clear();
    differsStale_ = false;
    cellsStale_ = true;
}

void Simulation::floodNets(const std::vector<uint8_t>& values, const std::vector<int>& contacts) {
    powered_[static_cast<std::size_t>(circuit_.rail)] = 1;
    for (bool changed = true; changed;) {
        changed = false;
        auto relax = [&](int i) {
            const Contact& c = circuit_.contacts[static_cast<std::size_t>(i)];
            if (c.left < 0 || c.right < 0) return;
            const bool closed = (values[static_cast<std::size_t>(contactSlot_[static_cast<std::size_t>(i)])] != 0) != c.normallyClosed;
            uint8_t& a = powered_[static_cast<std::size_t>(c.left)];
            uint8_t& b = powered_[static_cast<std::size_t>(c.right)];
            if (closed && a != b) {
                a = b = 1;
                changed = true;
            }
        };
        for (int i : contacts) relax(i);
        for (auto it = contacts.rbegin(); it != contacts.rend(); ++it) relax(*it);
    }
}

const std::vector<std::string>& Simulation::differs() {
    if (!differsStale_) return differs_;
    differsStale_ = false;
    differs_.clear();
    if (!scanned_) return differs_;
    // The drawing's own scan from the same start: rung by rung, each coil
    // from the values before its rung.
    std::vector<uint8_t> drawn = startOfScan_;
    std::vector<uint8_t> power;
    for (const Rung& rung : circuit_.rungs) {
        for (int i : rung.contacts) {
            const Contact& c = circuit_.contacts[static_cast<std::size_t>(i)];
            if (c.left >= 0) powered_[static_cast<std::size_t>(c.left)] = 0;
            if (c.right >= 0) powered_[static_cast<std::size_t>(c.right)] = 0;
        }
        for (int k : rung.coils) {
            const int net = circuit_.coils[static_cast<std::size_t>(k)].leadIn;
            if (net >= 0) powered_[static_cast<std::size_t>(net)] = 0;
        }
        floodNets(drawn, rung.contacts);
        power.clear();
        for (int k : rung.coils) {
            const int net = circuit_.coils[static_cast<std::size_t>(k)].leadIn;
            power.push_back(net >= 0 ? powered_[static_cast<std::size_t>(net)] : 0);
        }
        for (std::size_t k = 0; k < rung.coils.size(); ++k)
            drawn[static_cast<std::size_t>(coilSlot_[static_cast<std::size_t>(rung.coils[k])])] = power[k];
    }
    for (std::size_t s = 0; s < drawn.size(); ++s)
        if (drawn[s] != endOfScan_[s]) differs_.push_back(slotNames_[s]);
    std::sort(differs_.begin(), differs_.end());
    cellsStale_ = true;
    return differs_;
}

const std::vector<uint8_t>& Simulation::cells() {
    if (differsStale_) differs();
    if (!cellsStale_) return cells_;
    cellsStale_ = false;
    cells_.assign(kSheetCells, 0);
    std::fill(powered_.begin(), powered_.end(), 0);
    floodNets(values_, allContacts_);
    for (std::size_t i = 0; i < kSheetCells; ++i)
        if (const int net = netOfCell_[i]; net >= 0 && powered_[static_cast<std::size_t>(net)]) cells_[i] |= cellpower::Energized;

    const Line* stepped = lastStep_ == kNone ? nullptr : &lines_[lastStep_];
    auto steppedOn = [&](int slot, bool coil, bool normallyClosed) {
        if (!stepped || stepped->device != slot) return false;
        if (coil) return stepped->op == Op::OUT;
        return readsDevice(stepped->op) && readsNegated(stepped->op) == normallyClosed;
    };
    for (std::size_t i = 0; i < circuit_.contacts.size(); ++i) {
        const Contact& c = circuit_.contacts[i];
        const int slot = contactSlot_[i];
        const bool closed = (values_[static_cast<std::size_t>(slot)] != 0) != c.normallyClosed;
        const bool powered = c.left >= 0 && c.right >= 0 && powered_[static_cast<std::size_t>(c.left)] &&
                             powered_[static_cast<std::size_t>(c.right)];
        const bool input = slot < deviceCount() && isInput(slot);
        const bool marked = steppedOn(slot, false, c.normallyClosed);
        for (int col = c.slot + 1; col <= c.slot + 3; ++col) {
            uint8_t& f = cells_[cellIndex(c.row, col)];
            if (closed) f |= cellpower::Closed;
            if (closed && powered) f |= cellpower::Energized;
            if (input) f |= cellpower::InputContact;
            if (marked) f |= cellpower::StepElement;
            if (col == c.slot + 2 && !c.normallyClosed) f |= cellpower::OpenGap;
        }
        if (marked) cells_[cellIndex(c.row - 1, c.slot + 1)] |= cellpower::StepElement;
    }
    for (std::size_t k = 0; k < circuit_.coils.size(); ++k) {
        const Coil& coil = circuit_.coils[k];
        const std::size_t slot = static_cast<std::size_t>(coilSlot_[k]);
        const bool on = values_[slot] != 0;
        const bool powered = coil.leadIn >= 0 && powered_[static_cast<std::size_t>(coil.leadIn)];
        const bool differs = std::binary_search(differs_.begin(), differs_.end(), slotNames_[slot]);
        const bool marked = steppedOn(static_cast<int>(slot), true, false);
        for (int col = kLeadInCol + 1; col <= kLeadInCol + 3; ++col) {
            uint8_t& f = cells_[cellIndex(coil.row, col)];
            if (on) f |= cellpower::PulledIn;
            if (powered) f |= cellpower::Energized;
            if (differs) f |= cellpower::Differs;
            if (marked) f |= cellpower::StepElement;
        }
        if (marked) cells_[cellIndex(coil.row - 1, kCoilNameCol)] |= cellpower::StepElement;
    }
    return cells_;
}

int Simulation::contactDeviceAt(int row, int col) const {
    for (std::size_t i = 0; i < circuit_.contacts.size(); ++i) {
        const Contact& c = circuit_.contacts[i];
        const bool onIt = (row == c.row || row == c.row - 1) && col >= c.slot && col <= c.slot + 4;
        if (onIt && contactSlot_[i] < deviceCount()) return contactSlot_[i];
    }
    return -1;
}

}  // namespace lp
