#include "simulation/SimulationSession.h"

#include "circuit/ListFaultText.h"
#include "sheet/Ladder.h"

namespace lp {

std::optional<std::string> SimulationSession::start(const Ladder& ladder) {
    stop();
    const TypedListReading reading = readTypedList(ladder.Text1);
    if (reading.fault != ListFault::None) return lineMessage(reading.line, reading.why);
    simulation_.emplace(reading.parsed, ladder.sheet, ladder.state.CurRow, ladder.state.CurCol);
    return std::nullopt;
}

void SimulationSession::stop() {
    simulation_.reset();
    playing = false;
}

}  // namespace lp
