#include "PictureExportRun.h"

#include <cstdio>

#include "PicturePainter.h"
#include "app/PictureExport.h"

namespace lp {

int exportPictureAndExit(const QString& drawing, const QString& out) {
    const FilePicture loaded = pictureOfDrawingFile(drawing.toStdString());
    std::string error = loaded.error;
    if (loaded.ok) {
        const std::string path = out.toStdString();
        switch (pictureFormatOf(path)) {
        case PictureFormat::Svg: error = writeSvgPicture(loaded.picture, path); break;
        case PictureFormat::Png:
        case PictureFormat::Pdf: {
            const bool png = pictureFormatOf(path) == PictureFormat::Png;
            const QString why = png ? writePicturePng(loaded.picture, out) : writePicturePdf(loaded.picture, out);
            if (!why.isEmpty()) error = "无法写入文件：" + path + "（" + why.toStdString() + "）";
            break;
        }
        case PictureFormat::Unknown: error = "图片的文件名须以 .png、.svg 或 .pdf 结尾：" + path; break;
        }
    }
    if (error.empty()) return 0;
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
}

}  // namespace lp
