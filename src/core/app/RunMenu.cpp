#include "app/RunMenu.h"

#include "app/Menus.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"

namespace lp {

namespace {

bool holdsText(const std::string& text) {
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
    return false;
}

}  // namespace

bool runCommandCanAct(MenuCommand command, const Ladder& ladder, const SimulationSession& simulation) {
    switch (command) {
    case MenuCommand::CheckList: return holdsText(ladder.Text1);
    case MenuCommand::StartSimulation: return !simulation.running() && holdsText(ladder.Text1);
    case MenuCommand::StepSimulation: return simulation.running() || holdsText(ladder.Text1);
    case MenuCommand::StopSimulation: return simulation.running();
    default: return false;
    }
}

}  // namespace lp
