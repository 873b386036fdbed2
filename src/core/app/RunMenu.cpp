#include "app/RunMenu.h"

#include "app/Menus.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"

namespace lp {

namespace {

bool holdsText(std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
    return false;
}

}  // namespace

bool runCommandCanAct(MenuCommand command, const Ladder& ladder, const SimulationSession& simulation) {
    return runCommandCanAct(command, ladder.Text1, simulation);
}

bool runCommandCanAct(MenuCommand command, std::string_view text1, const SimulationSession& simulation) {
    switch (command) {
    case MenuCommand::CheckList: return holdsText(text1);
    case MenuCommand::StartSimulation: return !simulation.running() && holdsText(text1);
    case MenuCommand::StepSimulation: return simulation.running() || holdsText(text1);
    case MenuCommand::StopSimulation: return simulation.running();
    default: return false;
    }
}

}  // namespace lp
