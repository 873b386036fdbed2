#include "sheet/Ladder.h"
#include "statement/AtomicFile.h"
#include "statement/Convert.h"
#include "statement/ExportDir.h"
#include "statement/ExportText.h"
#include "statement/Gb18030.h"
#include "statement/UnencodableText.h"

namespace lp {

// "生成 *.txt 文件": write what the list box holds now. A failure tells the
// user why and changes nothing else.
void Command19_Click(Ladder& ladder) {
    const std::string path = exportFilePath(ladder.exportDir);
    const std::string text = exportedText(ladder.Text1);
    const std::optional<std::string> bytes = toGb18030(text);
    std::string why;
    if (!bytes) {
        why = unencodableReason(text);
        if (why.empty()) why = "系统没有 GB18030 编码的转换器";
    } else {
        why = replaceFile(path, *bytes);
    }
    if (!why.empty()) ladder.message("无法写入文件：" + path + "（" + why + "）");
}

}  // namespace lp
