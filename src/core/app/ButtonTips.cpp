#include "app/ButtonTips.h"

#include "sheet/Ladder.h"
#include "statement/ExportDir.h"

namespace lp {

std::string buttonTip(const Ladder& ladder, int n) {
    if (n == 19) return "写入文件：" + exportFilePath(ladder.exportDir);
    return std::string();
}

}  // namespace lp
