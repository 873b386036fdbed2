#pragma once
// Convert ("转换") and export ("生成 *.txt 文件").
#include <string>

namespace lp {

class Ladder;

// Runs the rung scan from (2, 1), shows the list in Text1 and switches the
// bottom row to its export state.
void Command13_Click(Ladder& ladder);

// Writes Text1 to "生成的语句表.txt" in ladder.exportDir.
void Command19_Click(Ladder& ladder);

// The folder the export writes to when nothing overrides it.
std::string defaultExportDir();

}  // namespace lp
