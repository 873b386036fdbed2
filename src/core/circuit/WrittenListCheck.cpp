#include "circuit/WrittenListCheck.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "circuit/BooleanRun.h"
#include "circuit/DeviceNames.h"
#include "circuit/ListCheck.h"
#include "circuit/ListFaultText.h"

namespace lp {

namespace {

ListVerdict lineVerdict(std::size_t line, std::string why) {
    ListVerdict v;
    v.kind = ListVerdict::Kind::Line;
    v.line = line;
    v.why = std::move(why);
    return v;
}

ListVerdict refusedVerdict(std::string message) {
    ListVerdict v;
    v.kind = ListVerdict::Kind::Refused;
    v.why = std::move(message);
    return v;
}

std::string programText(const std::vector<Instruction>& lines) {
    std::string text;
    for (const Instruction& in : lines) text += lineText(in) + "\r\n";
    return text;
}

// The devices whose value at the start of a scan the list reads: read
// before the list writes them.
void readByList(const std::vector<Instruction>& lines, std::set<std::string>& read) {
    std::set<std::string> written;
    for (const Instruction& in : lines) {
        if (readsDevice(in.op) && !written.count(in.device)) read.insert(in.device);
        if (in.op == Op::OUT) written.insert(in.device);
    }
}

// The same for the drawing: a rung reads its contacts before its coils write.
void readByDrawing(const Circuit& circuit, std::set<std::string>& read) {
    std::set<std::string> written;
    for (const Rung& rung : circuit.rungs) {
        for (int i : rung.contacts) {
            const std::string& name = circuit.contacts[static_cast<std::size_t>(i)].name;
            if (!written.count(name)) read.insert(name);
        }
        for (int k : rung.coils) written.insert(circuit.coils[static_cast<std::size_t>(k)].name);
    }
}

// Each device's value after the writes, in the order of their first write.
std::vector<std::pair<std::string, Bdd::Ref>> finalValues(const std::vector<Write>& writes) {
    std::vector<std::pair<std::string, Bdd::Ref>> finals;
    std::map<std::string, std::size_t> at;
    for (const Write& w : writes) {
        const auto [it, added] = at.try_emplace(w.device, finals.size());
        if (added)
            finals.emplace_back(w.device, w.value);
        else
            finals[it->second].second = w.value;
    }
    return finals;
}

// A start of a scan under which some device ends the scan with another
// value from the list than from the drawing; nothing when there is none.
// The devices are tested in the order `names` gives (see DeviceTable); the
// work stops at `steps`.
std::optional<ListVerdict> counterexample(const Circuit& circuit, const std::vector<RungAnalysis>& analyses,
                                          const std::vector<std::string>& names, std::size_t steps,
                                          const std::vector<Instruction>& lines) {
    Bdd bdd(Bdd::kDefaultNodeLimit, steps);
    DeviceTable devices(bdd, names);
    const DrawingRun drawing = runDrawing(circuit, analyses, devices, Reading::Composed);
    const ListRun list = runList(lines, devices, Reading::Composed);

    const auto drawn = finalValues(drawing.writes);
    const auto listed = finalValues(list.writes);
    std::vector<std::string> coils;
    for (const auto& [name, value] : drawn) coils.push_back(name);
    for (const auto& [name, value] : listed)
        if (std::find(coils.begin(), coils.end(), name) == coils.end()) coils.push_back(name);
    auto valueIn = [&](const std::vector<std::pair<std::string, Bdd::Ref>>& finals, const std::string& name) {
        for (const auto& [n, value] : finals)
            if (n == name) return value;
        return devices.initial(name);  // not written: it keeps its value
    };
    for (const std::string& coil : coils) {
        const Bdd::Ref a = valueIn(drawn, coil);
        const Bdd::Ref b = valueIn(listed, coil);
        if (a == b) continue;
        const Bdd::Ref apart = bdd.orOf(bdd.andOf(a, bdd.notOf(b)), bdd.andOf(bdd.notOf(a), b));
        std::set<std::string> read;
        readByList(lines, read);
        readByDrawing(circuit, read);
        // The variable of each device's value at the start of the scan.
        std::map<int, std::string> nameOfVar;
        std::set<std::string> all = read;
        for (const Contact& c : circuit.contacts) all.insert(c.name);
        for (const Coil& c : circuit.coils) all.insert(c.name);
        for (const Instruction& in : lines)
            if (!in.device.empty()) all.insert(in.device);
        for (const std::string& name : all)
            if (const int var = devices.variable(name); var >= 0) nameOfVar[var] = name;
        std::vector<bool> values;
        std::map<std::string, bool> shown;
        for (const std::string& name : read) shown[name] = false;
        for (const auto& [var, value] : bdd.satisfyingPath(apart)) {
            if (values.size() <= static_cast<std::size_t>(var)) values.resize(static_cast<std::size_t>(var) + 1, false);
            values[static_cast<std::size_t>(var)] = value;
            if (const auto it = nameOfVar.find(var); it != nameOfVar.end()) shown[it->second] = value;
        }
        ListVerdict v;
        v.kind = ListVerdict::Kind::Differs;
        v.assignment.assign(shown.begin(), shown.end());
        v.coil = coil;
        v.drawingValue = bdd.evaluate(a, values);
        v.listValue = bdd.evaluate(b, values);
        return v;
    }
    return std::nullopt;
}

// The assignment shown depends on the order of the variables. In drawing
// order it reads as the user drew; where that order makes the diagrams too
// large (a product of sums), the order of the proof finds one all the same.
constexpr std::size_t kDrawingOrderSteps = 100000;

std::optional<ListVerdict> counterexample(const Sheet& sheet, int curRow, int curCol,
                                          const std::vector<Instruction>& lines) {
    const Circuit circuit = readCircuit(sheet, curRow, curCol);
    const std::vector<RungAnalysis> analyses = analyseRungs(circuit);
    std::vector<std::string> names;
    for (const Contact& c : circuit.contacts) names.push_back(c.name);
    try {
        return counterexample(circuit, analyses, names, kDrawingOrderSteps, lines);
    } catch (const BddOverflow&) {
        return counterexample(circuit, analyses, proofOrder(circuit, analyses), Bdd::kDefaultStepLimit / 2, lines);
    }
}

// Where the proof outgrows its limits: a start of a scan, tried among a
// fixed number of them from nearly every device off to nearly every one
// on, under which the list and the drawing end apart. One found is exact;
// none found leaves the question open.
constexpr int kWitnessTries = 140;

std::optional<ListVerdict> witness(const Circuit& circuit, const std::vector<Instruction>& lines) {
    std::set<std::string> read;
    readByList(lines, read);
    readByDrawing(circuit, read);
    std::vector<std::string> coils;
    std::set<std::string> listed;
    for (const Rung& rung : circuit.rungs)
        for (int k : rung.coils)
            if (listed.insert(circuit.coils[static_cast<std::size_t>(k)].name).second)
                coils.push_back(circuit.coils[static_cast<std::size_t>(k)].name);
    for (const Instruction& in : lines)
        if (in.op == Op::OUT && listed.insert(in.device).second) coils.push_back(in.device);
    constexpr int kPercentOn[] = {1, 5, 20, 50, 80, 95, 99};
    uint64_t state = 0x9E3779B97F4A7C15ull;
    for (int t = 0; t < kWitnessTries; ++t) {
        DeviceStates start;
        for (const std::string& name : read) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            start[name] = static_cast<int>((state >> 33) % 100) < kPercentOn[t % 7];
        }
        DeviceStates drawing = start, list = start;
        runDrawingOnStates(circuit, drawing);
        runListOnStates(lines, list);
        for (const std::string& coil : coils) {
            const bool a = drawing.count(coil) && drawing[coil];
            const bool b = list.count(coil) && list[coil];
            if (a == b) continue;
            ListVerdict v;
            v.kind = ListVerdict::Kind::Differs;
            for (const std::string& name : read) v.assignment.emplace_back(name, start[name]);
            v.coil = coil;
            v.drawingValue = a;
            v.listValue = b;
            return v;
        }
    }
    return std::nullopt;
}

ListVerdict tooComplexVerdict(const Circuit& circuit, const std::vector<Instruction>& lines) {
    if (auto v = witness(circuit, lines)) return *v;
    return refusedVerdict(refusalMessage(RefusalReason::TooComplex, 0, {}));
}

// The verdict on a list whose names are the drawing's.
ListVerdict judge(ListCheck& check, const Sheet& sheet, int curRow, int curCol, const ParsedList& parsed) {
    const CheckResult result = check.check(programText(parsed.lines));
    switch (result.verdict) {
    case CheckVerdict::Matches: return {};
    case CheckVerdict::TooComplex: return tooComplexVerdict(check.circuit(), parsed.lines);
    case CheckVerdict::Malformed:
        return lineVerdict(textLineOf(parsed, result.line),
                           listFaultText(result.fault, parsed.lines[std::clamp<std::size_t>(result.line, 1, parsed.lines.size()) - 1].op));
    case CheckVerdict::EndMismatch: {
        const bool listEnds = parsed.lines.back().op == Op::END;
        if (listEnds) return lineVerdict(parsed.lineNumbers.back(), "梯形图上没有画 END，语句表也不应有 END");
        return lineVerdict(parsed.lineNumbers.back() + 1, "缺少 END：梯形图上画了 END，语句表应以 END 结束");
    }
    case CheckVerdict::WritesDiffer: break;
    }
    try {
        if (auto v = counterexample(sheet, curRow, curCol, parsed.lines)) return *v;
    } catch (const BddOverflow&) {
        return tooComplexVerdict(check.circuit(), parsed.lines);
    }
    // The writes differ only in their order or in values written over
    // before the scan ends: every scan ends in the same state.
    return {};
}

}  // namespace

ListVerdict checkWrittenList(const Sheet& sheet, int curRow, int curCol, std::string_view text,
                             const DrawingRefusal& refusal) {
    const TypedListReading reading = readTypedList(text);
    if (reading.fault != ListFault::None) return lineVerdict(reading.line, reading.why);
    ParsedList parsed = reading.parsed;
    // A drawing the conversion cannot write is refused as the conversion
    // refuses it, whatever the list: no list can agree with a faulty drawing.
    if (auto message = refusal()) return refusedVerdict(std::move(*message));

    ListCheck check(sheet, curRow, curCol);
    matchDrawingNames(parsed.lines, check.circuit());
    ListVerdict verdict = judge(check, sheet, curRow, curCol, parsed);
    verdict.note = twoSpellingsNote(check.circuit());
    return verdict;
}

std::string verdictMessage(const ListVerdict& verdict) {
    if (!verdict.note.empty()) {
        ListVerdict bare = verdict;
        bare.note.clear();
        return verdictMessage(bare) + "\n" + verdict.note;
    }
    switch (verdict.kind) {
    case ListVerdict::Kind::Agrees: return "语句表与梯形图一致。";
    case ListVerdict::Kind::Line: return lineMessage(verdict.line, verdict.why);
    case ListVerdict::Kind::Refused: return verdict.why;
    case ListVerdict::Kind::Differs: break;
    }
    std::string text;
    if (!verdict.assignment.empty()) {
        text = "当 ";
        for (std::size_t i = 0; i < verdict.assignment.size(); ++i) {
            if (i) text += "、";
            text += verdict.assignment[i].first + "=" + (verdict.assignment[i].second ? "1" : "0");
        }
        text += " 时，";
    }
    text += verdict.coil + "：梯形图为 " + (verdict.drawingValue ? "1" : "0") + "，语句表为 " +
            (verdict.listValue ? "1" : "0");
    return text;
}

}  // namespace lp
