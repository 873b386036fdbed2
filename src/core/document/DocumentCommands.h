#pragma once
// The 文件 menu's commands and the question before leaving. Each returns
// true when it did what it was asked; a refusal or failure has told the user
// and changed nothing.
#include <string>

namespace lp {

class Document;
class Ladder;

// Reads and checks the whole file; only then replaces the drawing, prints
// the sheet with Fresh, and the drawing has this file.
bool openDrawing(Ladder& ladder, Document& document, const std::string& path);
// With changes not yet saved asks first whether to save them (as before
// leaving), then asks for a file with the open dialog and opens it.
bool openDrawingAsked(Ladder& ladder, Document& document);

// Saves to `path`; the drawing then has this file.
bool saveDrawingTo(Ladder& ladder, Document& document, const std::string& path);
// Saves to the drawing's file, asking for one when it has none.
bool saveDrawing(Ladder& ladder, Document& document);
// Asks for a file with the save dialog, then saves there.
bool saveDrawingAs(Ladder& ladder, Document& document);

// Before leaving the drawing (the main window, or for another drawing):
// with changes not yet saved asks
// "图纸已修改，是否保存？". True to go on (saved, or not to be saved),
// false to stay (cancelled, or the save did not happen).
bool mayLeave(Ladder& ladder, Document& document);

}  // namespace lp
