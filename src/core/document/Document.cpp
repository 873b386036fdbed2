#include "document/Document.h"

#include "document/DrawingFile.h"
#include "document/DrawingTexts.h"
#include "sheet/Ladder.h"

namespace lp {

void Document::markSaved(const std::string& path, DrawingState drawing) {
    path_ = path;
    saved_ = std::move(drawing);
}

bool Document::hasUnsavedChanges(const Ladder& ladder) const {
    if (sheetIsEmpty(ladder.sheet)) return false;
    return !saved_ || !sameDrawing(ladder, *saved_);
}

std::string Document::caption(const Ladder& ladder) const {
    std::string text = kProgramTitle;
    if (!hasFile()) return text;
    text += " - " + fileNameOf(path_);
    if (hasUnsavedChanges(ladder)) text += kUnsavedMark;
    return text;
}

}  // namespace lp
