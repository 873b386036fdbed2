#pragma once
// Proving an instruction list against the drawing, and the list the circuit
// itself gives when the scan's list cannot be proved.
//
// A list passes when it is well formed, ends with "END" when END is drawn at
// the cursor (a final "END" is welcome when it is not), and writes the same coils with the same values in the
// same order as the drawing, for every assignment of the devices read. The
// drawing runs rung by rung from the top; the coils of one rung all take the
// power that the values from before the rung give them, and write in drawing
// order (top to bottom); every write takes effect at once, so that a later
// rung, or a later line of the list, reads the new value. The proof is exact
// (decision diagrams), not sampled; its work is bounded by a count of steps,
// and the variables follow the series-parallel form of each rung, so that
// its cost follows the size of the drawing's formula.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/Bdd.h"
#include "circuit/CircuitGraph.h"
#include "circuit/Devices.h"
#include "circuit/DrawingSemantics.h"
#include "circuit/Formula.h"
#include "circuit/InstructionList.h"
#include "circuit/RungAnalysis.h"
#include "circuit/StructuralList.h"

namespace lp {

class Sheet;

enum class CheckVerdict {
    Matches,
    Malformed,     // see ListFault
    EndMismatch,   // "END" missing although drawn at the cursor
    WritesDiffer,  // another coil, another value, or a write too many or too few
    TooComplex,    // the proof outgrew its memory; the list is not trusted
};

struct CheckResult {
    CheckVerdict verdict = CheckVerdict::Matches;
    ListFault fault = ListFault::None;  // Malformed: which rule the list breaks
    std::size_t line = 0;               // 1-based line of the fault, or of the first OUT that differs
};

// Reads the sheet once; then any number of lists can be checked against it.
class ListCheck {
public:
    // `nodeLimit` bounds the memory of the proof and `stepLimit` its work
    // over the life of the check (see Bdd); past either the check answers
    // TooComplex and the structural list is refused.
    ListCheck(const Sheet& sheet, int curRow, int curCol, std::size_t nodeLimit = Bdd::kDefaultNodeLimit,
              std::size_t stepLimit = Bdd::kDefaultStepLimit);
    ListCheck(const ListCheck&) = delete;
    ListCheck& operator=(const ListCheck&) = delete;

    CheckResult check(std::string_view list);
    // As check, but a list that breaks a rule, or writes other coils than
    // the drawing, fails at once, without a proof of the values.
    bool matches(std::string_view list);
    // The list built from the circuit, already proved; or the refusal. It
    // ends with "END" when END is drawn at the cursor, or when `endLine`
    // asks for it (the scan's own list ended with one).
    StructuralResult structuralList(bool endLine = false);

    const Circuit& circuit() const { return circuit_; }
    // The steps of work the proof has taken so far (see Bdd).
    std::size_t steps() const { return bdd_.stepCount(); }

private:
    // The index of the first write in which `lines` and the drawing differ,
    // among the writes both make; nothing when they agree on all of them.
    // `quick` is the run of `lines` in the versioned reading.
    std::optional<std::size_t> firstDifference(const std::vector<Instruction>& lines, const ListRun& quick);
    // The drawing's composed writes, at least the first `atLeast` of them
    // (all of them when it has fewer).
    const DrawingRun& composedDrawing(std::size_t atLeast);
    void noteUnknown(const DrawingRun& run);
    // The drawing's versioned writes as decision diagrams, made on first
    // need; false when they outgrow the diagram's limits.
    bool versionedReady();
    // Whether the lines' writes have the same formulas as the drawing's,
    // all of them (`all`) or as far as both go.
    bool sameFormulas(const std::vector<Instruction>& lines, bool all, bool needsEnd);

    Circuit circuit_;
    std::vector<RungAnalysis> analyses_;
    Bdd bdd_;
    DeviceTable devices_;
    FormulaTable formulas_;
    std::optional<std::vector<FormulaWrite>> drawingFormulas_;  // nothing with a bridge
    bool versionedDone_ = false;
    DrawingRun versioned_;                 // the drawing's writes, versioned
    std::optional<DrawingRun> composed_;   // and composed, as far as needed so far
    std::size_t composedLimit_ = 0;        // the limit composed_ was run with
    bool tooComplex_ = false;
    std::optional<int> unknownRung_;       // the first rung whose bridge was too large to prove
};

// The contacts' names in the order of the terms that feed the coils, depth
// first: the contacts of one series or parallel part stay together, as the
// formula of the rung keeps them. A term read once (every name different)
// then has a diagram of one node per contact, and every part of it, as a
// list builds it, one as small; in drawing order a product of sums would
// need a node for every combination of the sums met so far. Per rung, the
// contacts no term holds (stubs, bridges) follow in drawing order. For a
// DeviceTable, which tests the names given last first.
std::vector<std::string> proofOrder(const Circuit& circuit, const std::vector<RungAnalysis>& analyses);

// True when `list` (CR LF lines) passes the check against the drawing.
bool listMatchesDrawing(const Sheet& sheet, int curRow, int curCol, std::string_view list);

// The list built from the circuit, already checked; or the refusal message
// naming the first rung that cannot be written, e.g.
// "第4行：该梯级没有输出线圈，无法生成语句表".
StructuralResult buildStructuralList(const Sheet& sheet, int curRow, int curCol);

// What a conversion shows, given the scan's list: the scan's list when it
// finished and passes (byte for byte), else the structural list when it
// passes (with a final "END" when the scan's list ended with one), else a
// refusal.
struct ConversionOutcome {
    enum class Source { Scan, Structural, Refused };
    Source source = Source::Scan;
    std::string list;     // Scan or Structural: the list to show
    std::string message;  // Refused: the message box text
    int rung_row = 0;     // Refused: the graphics row it names (0 when none)
};

// `scanFinished` is false when the scan stopped at its nesting bound; its
// list then counts as failing, and no message of its own is shown.
ConversionOutcome settleConversion(const Sheet& sheet, int curRow, int curCol, std::string_view scanList,
                                   bool scanFinished);
// The same against a drawing already read.
ConversionOutcome settleConversion(ListCheck& check, std::string_view scanList, bool scanFinished);

}  // namespace lp
