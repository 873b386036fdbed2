#include "app/PictureExport.h"

#include <algorithm>
#include <cctype>

#include "document/DrawingFile.h"
#include "document/DrawingState.h"
#include "picture/DrawingPicture.h"
#include "picture/SvgPicture.h"
#include "sheet/Ladder.h"
#include "statement/AtomicFile.h"

namespace lp {

namespace {

// Nothing here asks the user: there is no window.
class NoBoxes : public UserInterface {
public:
    std::string inputBox(const std::string&, const std::string&) override { return {}; }
    void messageBox(const std::string&, const std::string&) override {}
};

}  // namespace

FilePicture pictureOfDrawingFile(const std::string& path) {
    FilePicture result;
    DrawingLoad load = loadDrawingFile(path);
    if (!load.drawing) {
        result.error = load.message;
        return result;
    }
    NoBoxes ui;
    Ladder ladder(ui);
    ladder.Form_Load();
    ladder.Form_Activate();
    applyDrawing(ladder, *load.drawing);
    const std::size_t slash = path.find_last_of("/\\");
    result.picture = drawingPicture(ladder, slash == std::string::npos ? path : path.substr(slash + 1), todaysDate());
    result.ok = true;
    return result;
}

PictureFormat pictureFormatOf(const std::string& out) {
    const std::size_t dot = out.find_last_of('.');
    if (dot == std::string::npos) return PictureFormat::Unknown;
    std::string ending = out.substr(dot + 1);
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ending == "svg") return PictureFormat::Svg;
    if (ending == "png") return PictureFormat::Png;
    if (ending == "pdf") return PictureFormat::Pdf;
    return PictureFormat::Unknown;
}

std::string writeSvgPicture(const Picture& picture, const std::string& out) {
    const std::string why = replaceFile(out, svgOf(picture));
    return why.empty() ? std::string() : "无法写入文件：" + out + "（" + why + "）";
}

}  // namespace lp
