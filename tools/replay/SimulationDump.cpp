#include "SimulationDump.h"

#include "circuit/WrittenListCheck.h"
#include "simulation/SimulationSession.h"

namespace lp {

std::string checkLine(const ListVerdict& verdict) {
    if (!verdict.note.empty()) {
        ListVerdict bare = verdict;
        bare.note.clear();
        return checkLine(bare) + "check: note: " + verdict.note + '\n';
    }
    switch (verdict.kind) {
    case ListVerdict::Kind::Agrees: return "check: ok\n";
    case ListVerdict::Kind::Line: return "check: line " + std::to_string(verdict.line) + ": " + verdict.why + '\n';
    case ListVerdict::Kind::Refused: return "check: refused: " + verdict.why + '\n';
    case ListVerdict::Kind::Differs: break;
    }
    std::string line = "check: differs: ";
    for (const auto& [name, value] : verdict.assignment) line += name + '=' + (value ? '1' : '0') + ' ';
    if (!verdict.assignment.empty()) line.back() = ':';
    line += (verdict.assignment.empty() ? "" : " ") + verdict.coil + " drawing=" + (verdict.drawingValue ? '1' : '0') +
            " list=" + (verdict.listValue ? '1' : '0') + '\n';
    return line;
}

std::string simulationSection(SimulationSession& session) {
    Simulation& sim = session.simulation();
    std::string out = "sim:\n";
    out += "scans=" + std::to_string(sim.scans()) + " next=" + std::to_string(sim.nextLine()) + '\n';
    out += "stack=";
    for (std::size_t i = 0; i < sim.stack().size(); ++i) {
        if (i) out += ' ';
        out += sim.stack()[i] ? '1' : '0';
    }
    if (sim.usesBranchStack()) {
        out += "\nbranch=";
        for (std::size_t i = 0; i < sim.branchStack().size(); ++i) {
            if (i) out += ' ';
            out += sim.branchStack()[i] ? '1' : '0';
        }
    }
    out += "\ndevices:";
    for (int d = 0; d < sim.deviceCount(); ++d)
        out += ' ' + sim.deviceNames()[static_cast<std::size_t>(d)] + '=' + (sim.value(d) ? '1' : '0');
    out += "\ndiffers:";
    for (const std::string& coil : sim.differs()) out += ' ' + coil;
    out += "\npowered:\n";
    const std::vector<uint8_t>& cells = sim.cells();
    for (int row = kFirstRow + 1; row <= kLastRow; row += 2) {
        std::string mask;
        bool any = false;
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const bool on = cells[cellIndex(row, col)] & cellpower::Energized;
            mask += on ? '#' : '.';
            any = any || on;
        }
        if (any) out += std::to_string(row) + ':' + mask + '\n';
    }
    return out;
}

}  // namespace lp
