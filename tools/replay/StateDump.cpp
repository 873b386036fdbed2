#include "StateDump.h"

#include "sheet/Glyphs.h"
#include "sheet/Ladder.h"
#include "statement/TextLines.h"

namespace lp {

std::string stateDump(const Ladder& ladder) {
    const EditState& s = ladder.state;
    std::string out;
    out += "CurRow=" + std::to_string(s.CurRow) + " CurCol=" + std::to_string(s.CurCol) +
           " LastKind=" + std::to_string(s.LastKind) + " PrevKind=" + std::to_string(s.PrevKind) +
           " LastWidth=" + std::to_string(s.LastWidth) + " PrevWidth=" + std::to_string(s.PrevWidth) +
           " CoilFromCol=" + std::to_string(s.CoilFromCol) + '\n';
    out += "enabled=" + ladder.palette.enabledString() + " visible=" + ladder.palette.visibleString() + '\n';
    out += "RowEnd=";
    bool first = true;
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const int16_t end = ladder.sheet.rowEnd(row);
        if (end == 0) continue;
        if (!first) out += ' ';
        out += std::to_string(row) + ':' + std::to_string(end);
        first = false;
    }
    out += '\n';
    out += "picture:\n";
    for (const std::string& line : ladder.picture) out += '|' + line + "|\n";
    out += "grid:\n";
    for (int row = kFirstRow; row <= kLastRow; ++row)
        if (!ladder.sheet.rowIsBlank(row)) out += std::to_string(row) + ":|" + ladder.sheet.rowText(row) + "|\n";
    out += "list:\n";
    for (const std::string& line : splitAtCrLf(ladder.StatementList)) out += '|' + line + "|\n";
    out += "text:\n";
    for (const std::string& line : splitLineBreaks(ladder.Text1)) out += '|' + line + "|\n";
    out += "end\n";
    return out;
}

}  // namespace lp
