#include "circuit/ListCheck.h"

#include <algorithm>

#include "circuit/BooleanRun.h"

#include "sheet/Sheet.h"

namespace lp {

namespace {

std::optional<std::size_t> firstMismatch(const std::vector<Write>& a, const std::vector<Write>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t w = 0; w < n; ++w)
        if (!(a[w] == b[w])) return w;
    return std::nullopt;
}

// Whether the last line of `list` is "END".
bool endsWithEndLine(std::string_view list) {
    constexpr std::string_view endLine = "END\r\n";
    if (!list.ends_with(endLine)) return false;
    return list.size() == endLine.size() || list[list.size() - endLine.size() - 1] == '\n';
}

StructuralResult tooComplex() { return refusedResult({RefusalReason::TooComplex, 0, {}}); }

class ProofOrder {
public:
    explicit ProofOrder(const Circuit& circuit) : circuit_(circuit), taken_(circuit.contacts.size(), false) {}

    std::vector<std::string> of(const std::vector<RungAnalysis>& analyses) {
        for (std::size_t r = 0; r < circuit_.rungs.size(); ++r) {
            for (const SpTerm& term : analyses[r].terms) add(term);
            for (int i : circuit_.rungs[r].contacts) take(i);
        }
        return std::move(names_);
    }

private:
    void add(const SpTerm& term) {
        // Iteratively, parts pushed last first: a term can be deep.
        std::vector<const SpTerm*> stack{&term};
        while (!stack.empty()) {
            const SpTerm* t = stack.back();
            stack.pop_back();
            if (t->kind == SpTerm::Kind::Contact) {
                take(t->contact);
                continue;
            }
            for (auto it = t->parts.rbegin(); it != t->parts.rend(); ++it) stack.push_back(&*it);
        }
    }
    void take(int contact) {
        const std::size_t i = static_cast<std::size_t>(contact);
        if (taken_[i]) return;
        taken_[i] = true;
        names_.push_back(circuit_.contacts[i].name);
    }

    const Circuit& circuit_;
    std::vector<bool> taken_;
    std::vector<std::string> names_;
};

}  // namespace

std::vector<std::string> proofOrder(const Circuit& circuit, const std::vector<RungAnalysis>& analyses) {
    return ProofOrder(circuit).of(analyses);
}

ListCheck::ListCheck(const Sheet& sheet, int curRow, int curCol, std::size_t nodeLimit, std::size_t stepLimit)
    : circuit_(readCircuit(sheet, curRow, curCol)),
      analyses_(analyseRungs(circuit_)),
      bdd_(nodeLimit, stepLimit),
      devices_(bdd_, proofOrder(circuit_, analyses_)),
      drawingFormulas_(formulaRunDrawing(circuit_, analyses_, formulas_)) {
    // With a bridge the diagrams are the only proof, and the refusal of a
    // bridge too large to prove is known from the start.
    if (!drawingFormulas_) versionedReady();
}

bool ListCheck::versionedReady() {
    if (!versionedDone_) {
        versionedDone_ = true;
        try {
            versioned_ = runDrawing(circuit_, analyses_, devices_, Reading::Versioned);
            noteUnknown(versioned_);
        } catch (const BddOverflow&) {
            tooComplex_ = true;
        }
    }
    return !tooComplex_;
}

bool ListCheck::sameFormulas(const std::vector<Instruction>& lines, bool all, bool needsEnd) {
    if (!drawingFormulas_) return false;
    const std::optional<FormulaListRun> run = formulaRunList(lines, formulas_);
    if (!run || (needsEnd && !run->endsWithEnd)) return false;
    const std::vector<FormulaWrite>& drawn = *drawingFormulas_;
    if (all && run->writes.size() != drawn.size()) return false;
    const std::size_t n = std::min(run->writes.size(), drawn.size());
    return std::equal(run->writes.begin(), run->writes.begin() + static_cast<std::ptrdiff_t>(n), drawn.begin());
}

void ListCheck::noteUnknown(const DrawingRun& run) {
    for (int r : run.unknownRungs)
        if (!unknownRung_ || r < *unknownRung_) unknownRung_ = r;
}

const DrawingRun& ListCheck::composedDrawing(std::size_t atLeast) {
    const bool enough = composed_ && (composed_->writes.size() >= atLeast || composed_->writes.size() < composedLimit_);
    if (!enough) {
        composed_ = runDrawing(circuit_, analyses_, devices_, Reading::Composed, atLeast);
        composedLimit_ = atLeast;
        noteUnknown(*composed_);
        // A write that is not known proves nothing.
        if (!composed_->unknownRungs.empty()) throw BddOverflow();
    }
    return *composed_;
}

std::optional<std::size_t> ListCheck::firstDifference(const std::vector<Instruction>& lines, const ListRun& quick) {
    const auto versioned = firstMismatch(quick.writes, versioned_.writes);
    if (!versioned) return std::nullopt;
    // The writes before the first versioned difference agree when composed
    // too, and most often the difference is a real one. Composing grows with
    // every rung composed, so it goes only as far as it must: to that write,
    // then twice as far each time the writes still agree.
    for (std::size_t limit = *versioned + 1;; limit *= 2) {
        const ListRun list = runList(lines, devices_, Reading::Composed, limit);
        const DrawingRun& drawing = composedDrawing(limit);
        if (const auto w = firstMismatch(list.writes, drawing.writes)) return w;
        if (list.writes.size() < limit || drawing.writes.size() < limit) return std::nullopt;
    }
}

CheckResult ListCheck::check(std::string_view list) {
    const ParsedList parsed = parseList(list);
    if (parsed.fault != ListFault::None) return {CheckVerdict::Malformed, parsed.fault, parsed.faultLine};
    // The list's structure, and its END, do not depend on the values.
    DeviceStates off;
    const BooleanListRun dry = runListOnStates(parsed.lines, off);
    if (dry.fault != ListFault::None) return {CheckVerdict::Malformed, dry.fault, dry.faultLine};
    if (circuit_.endAtCursor && !dry.endsWithEnd) return {CheckVerdict::EndMismatch, ListFault::None, parsed.lines.size()};
    // The same formulas for the same writes: proved without a diagram.
    if (sameFormulas(parsed.lines, true, circuit_.endAtCursor)) return {};
    if (!versionedReady() || unknownRung_) return {CheckVerdict::TooComplex, ListFault::None, 0};
    try {
        const ListRun run = runList(parsed.lines, devices_, Reading::Versioned);
        if (run.fault != ListFault::None) return {CheckVerdict::Malformed, run.fault, run.faultLine};
        if (circuit_.endAtCursor && !run.endsWithEnd)
            return {CheckVerdict::EndMismatch, ListFault::None, parsed.lines.size()};
        if (const auto w = firstDifference(parsed.lines, run))
            return {CheckVerdict::WritesDiffer, ListFault::None, run.lineOfWrite[*w] + 1};
        if (run.writes.size() < versioned_.writes.size())
            return {CheckVerdict::WritesDiffer, ListFault::None, parsed.lines.size()};
        if (run.writes.size() > versioned_.writes.size())
            return {CheckVerdict::WritesDiffer, ListFault::None, run.lineOfWrite[versioned_.writes.size()] + 1};
    } catch (const BddOverflow&) {
        return {CheckVerdict::TooComplex, ListFault::None, 0};
    }
    return {};
}

bool ListCheck::matches(std::string_view list) {
    if (drawingFormulas_) {
        const ParsedList parsed = parseList(list);
        if (parsed.fault != ListFault::None) return false;
        const std::optional<FormulaListRun> run = formulaRunList(parsed.lines, formulas_);
        if (!run || (circuit_.endAtCursor && !run->endsWithEnd)) return false;
        const std::vector<FormulaWrite>& drawn = *drawingFormulas_;
        if (run->writes.size() != drawn.size()) return false;
        bool same = true;
        for (std::size_t w = 0; w < drawn.size(); ++w) {
            if (run->writes[w].device != drawn[w].device) return false;
            same = same && run->writes[w].value == drawn[w].value;
        }
        if (same) return true;
    }
    return check(list).verdict == CheckVerdict::Matches;
}

StructuralResult ListCheck::structuralList(bool endLine) {
    auto bridged = [&] {
        const std::size_t r = static_cast<std::size_t>(*unknownRung_);
        return refusedResult(bridgeRefusal(circuit_, circuit_.rungs[r], analyses_[r]));
    };
    try {
        // Coils of one rung that hang from different points are written with
        // the branch stack, so that every branch starts from the shared
        // part's value from before the rung's first OUT, as in the drawing.
        // Should that list differ, the copies of the shared part are tried.
        std::optional<Refusal> differs;
        for (const bool branched : {true, false}) {
            BuiltLines built = buildLines(circuit_, analyses_, branched);
            // A bridge too large to prove is refused like one too large to write.
            if (unknownRung_ && (!built.refused || built.refusedRung > *unknownRung_)) return bridged();
            const bool proved = sameFormulas(built.lines, false, false);
            if (!proved && !versionedReady()) return tooComplex();
            // Every coil of the rungs built has its OUT, in drawing order, so
            // the k-th write of the lines answers the k-th write of the
            // drawing. A branch that reads a coil the rung has just written
            // can differ from the drawing, where every coil of a rung sees
            // the values from before the rung.
            if (const auto w = proved ? std::nullopt
                                      : firstDifference(built.lines, runList(built.lines, devices_, Reading::Versioned))) {
                const Rung& rung = circuit_.rungs[static_cast<std::size_t>(versioned_.rungOfWrite[*w])];
                if (!differs) differs = Refusal{RefusalReason::RereadsOwnCoil, rung.row, {}};
                continue;
            }
            if (built.refused) return refusedResult(*built.refused);
            if (circuit_.endAtCursor || endLine) built.lines.push_back({Op::END, {}});
            StructuralResult result;
            result.ok = true;
            for (const Instruction& in : built.lines) result.list += lineText(in) + "\r\n";
            return result;
        }
        return refusedResult(*differs);
    } catch (const BddOverflow&) {
        return unknownRung_ ? bridged() : tooComplex();
    }
}

bool listMatchesDrawing(const Sheet& sheet, int curRow, int curCol, std::string_view list) {
    return ListCheck(sheet, curRow, curCol).matches(list);
}

StructuralResult buildStructuralList(const Sheet& sheet, int curRow, int curCol) {
    return ListCheck(sheet, curRow, curCol).structuralList();
}

ConversionOutcome settleConversion(const Sheet& sheet, int curRow, int curCol, std::string_view scanList,
                                   bool scanFinished) {
    ListCheck check(sheet, curRow, curCol);
    return settleConversion(check, scanList, scanFinished);
}

ConversionOutcome settleConversion(ListCheck& check, std::string_view scanList, bool scanFinished) {
    ConversionOutcome outcome;
    if (scanFinished && check.matches(scanList)) {
        outcome.source = ConversionOutcome::Source::Scan;
        outcome.list = std::string(scanList);
        return outcome;
    }
    StructuralResult built = check.structuralList(endsWithEndLine(scanList));
    if (built.ok) {
        outcome.source = ConversionOutcome::Source::Structural;
        outcome.list = std::move(built.list);
        return outcome;
    }
    outcome.source = ConversionOutcome::Source::Refused;
    outcome.message = std::move(built.message);
    outcome.rung_row = built.rung_row;
    return outcome;
}

}  // namespace lp
