#pragma once
// When the items of the 运行 menu can act: the same for every front end.
namespace lp {

class Ladder;
class SimulationSession;
enum class MenuCommand;

// CheckList and StartSimulation while Text1 holds text; StepSimulation
// while a simulation runs or one can start; StopSimulation while one runs.
// The other menus' items are not decided here (false).
bool runCommandCanAct(MenuCommand command, const Ladder& ladder, const SimulationSession& simulation);

}  // namespace lp
