#include "history/LadderChange.h"

#include <algorithm>

#include "sheet/Ladder.h"

namespace lp {

namespace {

int16_t markOf(const Sheet& sheet, int row, int col, uint8_t mark) {
    switch (mark) {
    case 0: return sheet.emitted(row, col);
    case 1: return sheet.joined(row, col);
    default: return sheet.rowEnd(row);
    }
}

}  // namespace

LadderBefore LadderBefore::of(const Ladder& ladder) {
    return {captureDrawing(ladder), ladder.picture};
}

std::optional<LadderChange> LadderChange::between(const LadderBefore& was, const Ladder& after) {
    const DrawingState& before = was.drawing;
    LadderChange change;
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const std::string& cellBefore = before.sheet.cell(row, col);
            const std::string& cellAfter = after.sheet.cell(row, col);
            if (cellBefore != cellAfter) change.cells_.push_back({row, col, cellBefore, cellAfter});
            for (uint8_t mark = 0; mark < 2; ++mark) {
                const int16_t a = markOf(before.sheet, row, col, mark), b = markOf(after.sheet, row, col, mark);
                if (a != b) change.marks_.push_back({row, col, static_cast<Mark>(mark), a, b});
            }
        }
        const int16_t a = before.sheet.rowEnd(row), b = after.sheet.rowEnd(row);
        if (a != b) change.marks_.push_back({row, kFirstCol, Mark::RowEnd, a, b});
    }
    change.state_ = {before.state, after.state};
    change.scan_ = {before.scan, after.scan};
    change.palette_ = {before.palette, after.palette};
    if (before.StatementList != after.StatementList) change.statementList_ = {{before.StatementList, after.StatementList}};
    if (before.Text1 != after.Text1) change.text1_ = {{before.Text1, after.Text1}};

    const std::vector<std::string>& old = was.picture;
    const std::vector<std::string>& now = after.picture;
    std::size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head && old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    change.picture_.at = head;
    change.picture_.before.assign(old.begin() + static_cast<std::ptrdiff_t>(head), old.end() - static_cast<std::ptrdiff_t>(tail));
    change.picture_.after.assign(now.begin() + static_cast<std::ptrdiff_t>(head), now.end() - static_cast<std::ptrdiff_t>(tail));

    const bool same = change.cells_.empty() && change.marks_.empty() && sameEditState(before.state, after.state) &&
                      sameScanState(before.scan, after.scan) && before.palette == after.palette && !change.statementList_ &&
                      !change.text1_ && change.picture_.before.empty() && change.picture_.after.empty();
    if (same) return std::nullopt;
    return change;
}

void LadderChange::apply(Ladder& ladder, bool forward) const {
    Sheet& sheet = ladder.sheet;
    for (const CellChange& c : cells_) sheet.setCell(c.row, c.col, forward ? c.after : c.before);
    for (const MarkChange& m : marks_) {
        const int16_t value = forward ? m.after : m.before;
        switch (m.mark) {
        case Mark::Emitted: sheet.setEmitted(m.row, m.col, value); break;
        case Mark::Joined: sheet.setJoined(m.row, m.col, value); break;
        case Mark::RowEnd: sheet.setRowEnd(m.row, value); break;
        }
    }
    ladder.state = forward ? state_.after : state_.before;
    ladder.scan = forward ? scan_.after : scan_.before;
    ladder.palette = forward ? palette_.after : palette_.before;
    if (statementList_) ladder.StatementList = forward ? statementList_->after : statementList_->before;
    if (text1_) ladder.Text1 = forward ? text1_->after : text1_->before;
    std::vector<std::string>& picture = ladder.picture;
    const std::vector<std::string>& out = forward ? picture_.before : picture_.after;
    const std::vector<std::string>& in = forward ? picture_.after : picture_.before;
    const auto at = picture.begin() + static_cast<std::ptrdiff_t>(std::min(picture_.at, picture.size()));
    const auto end = at + static_cast<std::ptrdiff_t>(std::min(out.size(), static_cast<std::size_t>(picture.end() - at)));
    picture.insert(picture.erase(at, end), in.begin(), in.end());
}

void LadderChange::undo(Ladder& ladder) const { apply(ladder, false); }

void LadderChange::redo(Ladder& ladder) const { apply(ladder, true); }

std::size_t LadderChange::bytes() const {
    std::size_t total = sizeof *this + marks_.size() * sizeof(MarkChange);
    for (const CellChange& c : cells_) total += sizeof c + c.before.capacity() + c.after.capacity();
    if (statementList_) total += statementList_->before.size() + statementList_->after.size();
    if (text1_) total += text1_->before.size() + text1_->after.size();
    for (const auto* lines : {&picture_.before, &picture_.after})
        for (const std::string& line : *lines) total += sizeof line + line.capacity();
    return total;
}

}  // namespace lp
