#include "circuit/ListCheck.h"

#include "sheet/Sheet.h"

namespace lp {

ListCheck::ListCheck(const Sheet& sheet, int curRow, int curCol)
    : circuit_(readCircuit(sheet, curRow, curCol)), devices_(bdd_) {
    try {
        drawing_ = runDrawing(circuit_, devices_);
    } catch (const BddOverflow&) {
        tooComplex_ = true;
    }
}

CheckResult ListCheck::check(std::string_view list) {
    CheckResult result;
    const ParsedList parsed = parseList(list);
    if (parsed.fault != ListFault::None) return {CheckVerdict::Malformed, parsed.fault, parsed.faultLine};
    if (tooComplex_) return {CheckVerdict::TooComplex, ListFault::None, 0};
    ListRun run;
    try {
        run = runList(parsed.lines, devices_);
    } catch (const BddOverflow&) {
        return {CheckVerdict::TooComplex, ListFault::None, 0};
    }
    if (run.fault != ListFault::None) return {CheckVerdict::Malformed, run.fault, run.faultLine};
    if (run.endsWithEnd != circuit_.endAtCursor)
        return {CheckVerdict::EndMismatch, ListFault::None, parsed.lines.empty() ? 0 : parsed.lines.size()};
    for (std::size_t w = 0; w < run.writes.size(); ++w)
        if (w >= drawing_.writes.size() || !(run.writes[w] == drawing_.writes[w]))
            return {CheckVerdict::WritesDiffer, ListFault::None, run.lineOfWrite[w] + 1};
    if (run.writes.size() != drawing_.writes.size())
        return {CheckVerdict::WritesDiffer, ListFault::None, parsed.lines.size()};
    return result;
}

StructuralResult ListCheck::structuralList() {
    if (!tooComplex_) {
        try {
            return structuralListOf(circuit_, devices_, drawing_);
        } catch (const BddOverflow&) {
        }
    }
    StructuralResult refused;
    refused.reason = RefusalReason::TooComplex;
    refused.message = refusalMessage(RefusalReason::TooComplex, 0, {});
    return refused;
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
    ConversionOutcome outcome;
    if (scanFinished && check.matches(scanList)) {
        outcome.source = ConversionOutcome::Source::Scan;
        outcome.list = std::string(scanList);
        return outcome;
    }
    StructuralResult built = check.structuralList();
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
