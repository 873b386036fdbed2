#pragma once
// When the items of the 运行 menu can act: the same for every front end.
#include <string_view>

namespace lp {

class Ladder;
class SimulationSession;
enum class MenuCommand;

// CheckList and StartSimulation while Text1 holds text; StepSimulation
// while a simulation runs or one can start; StopSimulation while one runs.
// The other menus' items are not decided here (false).
bool runCommandCanAct(MenuCommand command, const Ladder& ladder, const SimulationSession& simulation);
// The same with Text1 as the list box holds it now, before a command has
// taken the user's edits into the ladder.
bool runCommandCanAct(MenuCommand command, std::string_view text1, const SimulationSession& simulation);

}  // namespace lp
