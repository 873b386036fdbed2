#pragma once
// The drawing's history of acts: undo and redo, many steps deep. A new act
// after an undo drops what could have been redone; past the limit the oldest
// steps are forgotten.
#include <cstddef>
#include <deque>
#include <string>

#include "history/LadderChange.h"

namespace lp {

class Ladder;

class History {
public:
    static constexpr std::size_t kDefaultLimit = 1000;
    explicit History(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // One act, named for the menu ("放置触点").
    void record(std::string name, LadderChange change);
    // Forgets every step (a drawing opened or a new one begun).
    void clear();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The name of the step undo or redo would take back or do again.
    const std::string& undoName() const;
    const std::string& redoName() const;

    // False when there is nothing to undo or redo.
    bool undo(Ladder& ladder);
    bool redo(Ladder& ladder);

    std::size_t size() const { return steps_.size(); }
    std::size_t bytes() const;

private:
    struct Step {
        std::string name;
        LadderChange change;
    };
    std::deque<Step> steps_;
    std::size_t done_ = 0;  // steps_[0..done_) are done, the rest undone
    std::size_t limit_;
};

}  // namespace lp
