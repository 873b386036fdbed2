#include "history/History.h"

namespace lp {

namespace {
const std::string kNothing;
}

void History::record(std::string name, LadderChange change) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back({std::move(name), std::move(change)});
    while (steps_.size() > limit_) steps_.pop_front();
    done_ = steps_.size();
}

void History::clear() {
    steps_.clear();
    done_ = 0;
}

const std::string& History::undoName() const { return canUndo() ? steps_[done_ - 1].name : kNothing; }

const std::string& History::redoName() const { return canRedo() ? steps_[done_].name : kNothing; }

bool History::undo(Ladder& ladder) {
    if (!canUndo()) return false;
    steps_[--done_].change.undo(ladder);
    return true;
}

bool History::redo(Ladder& ladder) {
    if (!canRedo()) return false;
    steps_[done_++].change.redo(ladder);
    return true;
}

std::size_t History::bytes() const {
    std::size_t total = sizeof *this;
    for (const Step& step : steps_) total += step.name.size() + step.change.bytes();
    return total;
}

}  // namespace lp
