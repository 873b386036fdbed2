#pragma once
// When the items of the 运行 menu can act, and what the check tells the
// user: the same for every front end.
namespace lp {

class Ladder;
class SimulationSession;
enum class MenuCommand;

// CheckList and StartSimulation while Text1 holds text; StepSimulation
// while a simulation runs or one can start; StopSimulation while one runs.
// The other menus' items are not decided here (false).
bool runCommandCanAct(MenuCommand command, const Ladder& ladder, const SimulationSession& simulation);

// "校验语句表": checks Text1 against the drawing and tells the answer in a
// message box. Changes nothing.
void checkListCommand(Ladder& ladder);

}  // namespace lp
