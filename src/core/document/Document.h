#pragma once
// The drawing's file: its path once it has one, and what was last saved to
// it or opened from it, so that changes not yet saved can be told.
#include <optional>
#include <string>

#include "document/DrawingState.h"

namespace lp {

class Ladder;

class Document {
public:
    bool hasFile() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

    // The drawing now is what `path` holds.
    void markSaved(const std::string& path, DrawingState drawing);

    // Changes since the last save or open: anything that differs from the
    // file, an emptied sheet included. Before any save or open every drawing
    // on the sheet counts as changed, an empty sheet as nothing to lose.
    bool hasUnsavedChanges(const Ladder& ladder) const;

    // The window's caption: the program's title, then " - name.lad" once the
    // drawing has a file, then " *" while changes are unsaved.
    std::string caption(const Ladder& ladder) const;

private:
    std::string path_;
    std::optional<DrawingState> saved_;
};

}  // namespace lp
