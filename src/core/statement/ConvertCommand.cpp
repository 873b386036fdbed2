#include "sheet/Ladder.h"
#include "statement/Conversion.h"
#include "statement/Convert.h"

namespace lp {

// "转换": translate the drawing, show the list, offer the export.
void Command13_Click(Ladder& ladder) {
    if (!convertSheet(ladder)) return;
    ladder.Text1 = ladder.StatementList;
    showExportRow(ladder.palette);
}

}  // namespace lp
