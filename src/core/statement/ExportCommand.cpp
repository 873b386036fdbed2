#include "sheet/Ladder.h"
#include "statement/AtomicFile.h"
#include "statement/Convert.h"
#include "statement/ExportDir.h"
#include "statement/ExportText.h"
#include "statement/Gb18030.h"

namespace lp {

// "生成 *.txt 文件": write what the list box holds now. A failure tells the
// user and changes nothing else.
void Command19_Click(Ladder& ladder) {
    const std::string path = exportFilePath(ladder.exportDir);
    const std::optional<std::string> bytes = toGb18030(exportedText(ladder.Text1));
    if (!bytes || !replaceFile(path, *bytes)) ladder.message(std::string("无法写入文件：") + path);
}

}  // namespace lp
