#pragma once
// The palette commands that change the sheet, one per button. Each runs to
// completion, including its modal name prompt, and ends with one Fresh.
namespace lp {

class Ladder;

// Contacts: at the left rail (1..4) and in series (5..8).
void Command1_Click(Ladder& ladder);
void Command2_Click(Ladder& ladder);
void Command3_Click(Ladder& ladder);
void Command4_Click(Ladder& ladder);
void Command5_Click(Ladder& ladder);
void Command6_Click(Ladder& ladder);
void Command7_Click(Ladder& ladder);
void Command8_Click(Ladder& ladder);
// Output coil and parallel output coil.
void Command9_Click(Ladder& ladder);
void Command21_Click(Ladder& ladder);
// Step back.
void Command10_Click(Ladder& ladder);
// Line feed, re-edit, show.
void Command11_Click(Ladder& ladder);
void Command12_Click(Ladder& ladder);
void Command17_Click(Ladder& ladder);
// Line piece, closing line piece, blank slot, END.
void Command15_Click(Ladder& ladder);
void Command16_Click(Ladder& ladder);
void Command18_Click(Ladder& ladder);
void Command22_Click(Ladder& ladder);

}  // namespace lp
