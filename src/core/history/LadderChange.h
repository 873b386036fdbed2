#pragma once
// What one act changed in the main window's drawing: the cells and their
// marks, the editing and scan state, the palette, the statement list, Text1
// and the printed picture, each before and after. Only what differs is
// kept, so that a long history of a large sheet stays small.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/DrawingState.h"

namespace lp {

class Ladder;

// Everything of the ladder an act can change, as it stood before the act.
struct LadderBefore {
    DrawingState drawing;
    std::vector<std::string> picture;

    static LadderBefore of(const Ladder& ladder);
};

class LadderChange {
public:
    // The change from `before` to the ladder as it is now; nothing when the
    // act changed nothing (the loop counters are scratch and do not count).
    static std::optional<LadderChange> between(const LadderBefore& before, const Ladder& after);

    // The ladder as it was before the act, and again after it.
    void undo(Ladder& ladder) const;
    void redo(Ladder& ladder) const;

    // Roughly what the change holds, in bytes.
    std::size_t bytes() const;

private:
    template <class T>
    struct Both {
        T before, after;
    };
    enum class Mark : uint8_t { Emitted, Joined, RowEnd };
    struct CellChange {
        int row, col;
        std::string before, after;
    };
    struct MarkChange {
        int row, col;
        Mark mark;
        int16_t before, after;
    };
    // The picture's lines from `at` on that differ: `before` replaced by `after`.
    struct LinesChange {
        std::size_t at = 0;
        std::vector<std::string> before, after;
    };

    void apply(Ladder& ladder, bool forward) const;

    std::vector<CellChange> cells_;
    std::vector<MarkChange> marks_;
    Both<EditState> state_;
    Both<ScanState> scan_;
    Both<Palette> palette_;
    std::optional<Both<std::string>> statementList_;
    std::optional<Both<std::string>> text1_;
    LinesChange picture_;
};

}  // namespace lp
