#pragma once
// "校验语句表" on the main window's state: Text1 against the drawing.
#include <optional>
#include <string>

#include "circuit/WrittenListCheck.h"

namespace lp {

class Ladder;

// Why "转换" would refuse the drawing as it stands; nothing when it writes
// a list. Converts a copy, so the ladder is left as it is.
std::optional<std::string> conversionRefusal(const Ladder& ladder);

// Text1 checked against the drawing; the ladder is left as it is.
ListVerdict checkText1(const Ladder& ladder);

// The check with its answer in a message box.
void checkListCommand(Ladder& ladder);

}  // namespace lp
