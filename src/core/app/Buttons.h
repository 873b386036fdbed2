#pragma once
// One press of a button of the main window, as either front end sees it.
namespace lp {

class Ladder;

enum class ClickResult {
    Ignored,   // the button is disabled or hidden: nothing happens
    Done,      // the command ran
    Exit,      // an exit button: the front end shows the about box
    NotBuilt,  // the command does not exist yet
};

// Presses CommandN (1..22) when it is enabled and visible.
ClickResult pressButton(Ladder& ladder, int n);

}  // namespace lp
