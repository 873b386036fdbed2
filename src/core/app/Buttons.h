#pragma once
// One press of a button of the main window, as either front end sees it.
namespace lp {

class Ladder;
class SimulationSession;

enum class ClickResult {
    Ignored,   // the button is disabled or hidden: nothing happens
    Done,      // the command ran
    Exit,      // an exit button: the front end shows the about box
    NotBuilt,  // the command does not exist yet
};

// Presses CommandN (1..22) when it is enabled and visible.
ClickResult pressButton(Ladder& ladder, int n);

// The same beside a simulation: a button that acts ends it first, so that
// the sheet never shows the state of another drawing.
ClickResult pressButton(Ladder& ladder, SimulationSession& simulation, int n);

}  // namespace lp
