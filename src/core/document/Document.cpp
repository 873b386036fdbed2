#include "document/Document.h"

#include "document/DrawingFile.h"
#include "texts/DrawingTexts.h"
#include "sheet/Ladder.h"

namespace lp {

void Document::markSaved(const std::string& path, DrawingState drawing) {
    path_ = path;
    saved_ = std::move(drawing);
}

bool Document::hasUnsavedChanges(const Ladder& ladder) const {
    // An untitled drawing has something to lose once the sheet holds a
    // drawing; a drawing from a file whenever it differs from the file, an
    // emptied sheet (重新编辑) included.
    if (!saved_) return !sheetIsEmpty(ladder.sheet);
    return !sameDrawing(ladder, *saved_);
}

std::string Document::caption(const Ladder& ladder) const {
    std::string text = kProgramTitle;
    if (hasFile()) text += " - " + fileNameOf(path_);
    if (hasUnsavedChanges(ladder)) text += kUnsavedMark;
    return text;
}

}  // namespace lp
