#include "document/DocumentCommands.h"

#include "document/Document.h"
#include "document/DrawingFile.h"
#include "texts/DrawingTexts.h"
#include "sheet/Ladder.h"

namespace lp {

bool openDrawing(Ladder& ladder, Document& document, const std::string& path) {
    DrawingLoad load = loadDrawingFile(path);
    if (!load.drawing) {
        ladder.message(load.message);
        return false;
    }
    applyDrawing(ladder, *load.drawing);
    document.markSaved(fullPath(path), std::move(*load.drawing));
    return true;
}

namespace {

// Where the file dialogs start: at the drawing's file, or in the folder of
// the exported list while it has none.
std::string dialogStart(const Ladder& ladder, const Document& document) {
    return document.hasFile() ? document.path() : ladder.exportDir;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool openDrawingAsked(Ladder& ladder, Document& document) {
    // Opening another drawing leaves this one: unsaved changes are asked
    // about first, as on exit.
    if (!mayLeave(ladder, document)) return false;
    const std::string start = dialogStart(ladder, document);
    const std::string path = ladder.ui->askOpenPath(kOpenDrawingTitle, document.hasFile() ? folderOf(start) : start);
    return !path.empty() && openDrawing(ladder, document, path);
}

bool saveDrawingTo(Ladder& ladder, Document& document, const std::string& path) {
    DrawingState drawing = captureDrawing(ladder);
    const std::string failure = saveDrawingFile(path, drawing);
    if (!failure.empty()) {
        ladder.message(failure);
        return false;
    }
    document.markSaved(fullPath(path), std::move(drawing));
    return true;
}

bool saveDrawingAs(Ladder& ladder, Document& document) {
    const std::string path = ladder.ui->askSavePath(kSaveDrawingTitle, dialogStart(ladder, document));
    return !path.empty() && saveDrawingTo(ladder, document, path);
}

bool saveDrawing(Ladder& ladder, Document& document) {
    if (!document.hasFile()) return saveDrawingAs(ladder, document);
    return saveDrawingTo(ladder, document, document.path());
}

bool mayLeave(Ladder& ladder, Document& document) {
    if (!document.hasUnsavedChanges(ladder)) return true;
    switch (ladder.ui->askSaveChanges(kSaveChangesQuestion, kProgramTitle)) {
    case UserInterface::SaveAnswer::Save: return saveDrawing(ladder, document);
    case UserInterface::SaveAnswer::DontSave: return true;
    case UserInterface::SaveAnswer::Cancel: return false;
    }
    return false;
}

}  // namespace lp
