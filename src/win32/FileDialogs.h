#pragma once
// The common file dialogs for drawings, filtered to "梯形图 (*.lad)" with the
// default extension lad. Paths are UTF-8; "" when the user cancels.
#include <string>

#include <windows.h>

namespace lp::win {

// Starts in `folder` (may be "").
std::string askDrawingToOpen(HWND owner, const std::string& title, const std::string& folder);
// Suggests the file `suggested`, or starts in it when it is a folder.
std::string askDrawingToSave(HWND owner, const std::string& title, const std::string& suggested);
// 导出图片: PNG or SVG, the ending following the chosen type.
std::string askPictureToSave(HWND owner, const std::string& title, const std::string& suggested);
// The device table's timing diagram: CSV, SVG or PNG. The suggested name
// is offered without its ending, which follows the chosen type.
std::string askTraceToSave(HWND owner, const std::string& title, const std::string& suggested);

}  // namespace lp::win
