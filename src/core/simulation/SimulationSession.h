#pragma once
// The simulation of one main window: started on the list in Text1 and the
// drawing on the sheet, ended before anything edits either of them. The
// front ends keep the timer; the session keeps whether it runs on its own
// and at which period.
#include <optional>
#include <string>

#include "simulation/Simulation.h"

namespace lp {

class Ladder;

class SimulationSession {
public:
    static constexpr int kDefaultPeriodMs = 100;

    // Starts on the ladder's Text1; the message why not when Text1 does not
    // read as a list ("第K行：..."). A running simulation is ended first.
    std::optional<std::string> start(const Ladder& ladder);
    void stop();
    bool running() const { return simulation_.has_value(); }
    Simulation& simulation() { return *simulation_; }
    const Simulation& simulation() const { return *simulation_; }

    // Continuous mode: a scan every `periodMs` while `playing`.
    bool playing = false;
    int periodMs = kDefaultPeriodMs;

private:
    std::optional<Simulation> simulation_;
};

}  // namespace lp
