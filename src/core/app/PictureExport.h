#pragma once
// `--export DRAWING.lad OUT`: the picture of a drawing file without any
// window. The core writes SVG; a front end draws PNG and PDF from the same
// picture.
#include <string>

#include "app/PictureModel.h"

namespace lp {

inline constexpr const char* kExportPictureTitle = "导出图片";
// The save dialog's file types for pictures.
inline constexpr const char* kPictureFilterPng = "PNG 图片 (*.png)";
inline constexpr const char* kPictureFilterSvg = "SVG 图片 (*.svg)";
inline constexpr const char* kPictureFilterPdf = "PDF 文档 (*.pdf)";
// The device table's timing diagram: CSV for a spreadsheet, or a picture.
inline constexpr const char* kSaveTraceTitle = "保存时序图";
inline constexpr const char* kSaveTraceButton = "保存时序图...";
inline constexpr const char* kTraceFileName = "时序图.csv";
inline constexpr const char* kTraceFilterCsv = "CSV 表格 (*.csv)";

struct FilePicture {
    bool ok = false;
    Picture picture;
    std::string error;  // why not, as the user is told ("…（找不到路径）")
};

// The picture of the drawing in `path`, headed with its file name and today's date.
FilePicture pictureOfDrawingFile(const std::string& path);

// What `out` asks for, by its name's ending (any letter case).
enum class PictureFormat { Svg, Png, Pdf, Unknown };
PictureFormat pictureFormatOf(const std::string& out);

// Writes `picture` as SVG to `out` through the atomic file replacement;
// "" on success, else the message.
std::string writeSvgPicture(const Picture& picture, const std::string& out);

}  // namespace lp
