#include "circuit/Formula.h"

#include <algorithm>
#include <utility>

namespace lp {

namespace {

// The devices' current versions while a program runs.
class Versions {
public:
    explicit Versions(FormulaTable& table) : table_(table) {}
    FormulaTable::Id read(const std::string& device, bool negated) {
        const auto it = versions_.find(device);
        return table_.literal(device, it == versions_.end() ? 0 : it->second, negated);
    }
    void write(const std::string& device) { ++versions_[device]; }

private:
    FormulaTable& table_;
    std::unordered_map<std::string, int> versions_;
};

struct FormulaLogic {
    FormulaTable& table;
    FormulaTable::Id andOf(FormulaTable::Id a, FormulaTable::Id b) { return table.andOf(a, b); }
    FormulaTable::Id orOf(FormulaTable::Id a, FormulaTable::Id b) { return table.orOf(a, b); }
};

FormulaTable::Id termFormula(const SpTerm& term, const Circuit& circuit, Versions& versions, FormulaTable& table) {
    if (term.kind == SpTerm::Kind::Contact) {
        const Contact& c = circuit.contacts[static_cast<std::size_t>(term.contact)];
        return versions.read(c.name, c.normallyClosed);
    }
    const bool series = term.kind == SpTerm::Kind::Series;
    FormulaTable::Id value = series ? FormulaTable::True : FormulaTable::False;
    for (const SpTerm& part : term.parts) {
        const FormulaTable::Id p = termFormula(part, circuit, versions, table);
        value = series ? table.andOf(value, p) : table.orOf(value, p);
    }
    return value;
}

}  // namespace

std::size_t FormulaTable::hashOf(const std::vector<int32_t>& key) {
    std::size_t h = key.size() * 0x9E3779B97F4A7C15ull;
    for (int32_t k : key) h = (h ^ static_cast<uint32_t>(k)) * 0x100000001B3ull;
    return h ^ (h >> 31);
}

FormulaTable::FormulaTable() : start_{0}, slots_(1024, -1) {
    key_ = {static_cast<int32_t>(Kind::Const), 0};
    intern();
    key_ = {static_cast<int32_t>(Kind::Const), 1};
    intern();
}

void FormulaTable::grow() {
    std::vector<Id> bigger(slots_.size() * 2, -1);
    const std::size_t mask = bigger.size() - 1;
    for (Id f = 0; f < static_cast<Id>(start_.size() - 1); ++f) {
        key_.assign(keyOf(f), keyOf(f) + keySize(f));
        std::size_t i = hashOf(key_) & mask;
        while (bigger[i] >= 0) i = (i + 1) & mask;
        bigger[i] = f;
    }
    slots_.swap(bigger);
}

FormulaTable::Id FormulaTable::intern() {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hashOf(key_) & mask;
    for (; slots_[i] >= 0; i = (i + 1) & mask) {
        const Id f = slots_[i];
        if (keySize(f) == key_.size() && std::equal(key_.begin(), key_.end(), keyOf(f))) return f;
    }
    const Id f = static_cast<Id>(start_.size() - 1);
    slots_[i] = f;
    pool_.insert(pool_.end(), key_.begin(), key_.end());
    start_.push_back(pool_.size());
    if (start_.size() * 2 > slots_.size()) grow();
    return f;
}

FormulaTable::Id FormulaTable::literal(const std::string& device, int version, bool negated) {
    const int32_t number = devices_.try_emplace(device, static_cast<int32_t>(devices_.size())).first->second;
    key_ = {static_cast<int32_t>(Kind::Literal), number, version, negated ? 1 : 0};
    return intern();
}

FormulaTable::Id FormulaTable::notOf(Id f) {
    if (f == False) return True;
    if (f == True) return False;
    const int32_t* key = keyOf(f);
    switch (kindOf(f)) {
    case Kind::Literal: key_ = {key[0], key[1], key[2], 1 - key[3]}; return intern();
    case Kind::Not: return key[1];
    default: key_ = {static_cast<int32_t>(Kind::Not), f}; return intern();
    }
}

FormulaTable::Id FormulaTable::combine(Kind kind, Id a, Id b) {
    const Id absorbing = kind == Kind::And ? False : True;
    const Id neutral = kind == Kind::And ? True : False;
    if (a == absorbing || b == absorbing) return absorbing;
    if (a == neutral) return b;
    if (b == neutral || a == b) return a;
    key_.assign(1, static_cast<int32_t>(kind));
    for (const Id f : {a, b}) {
        if (kindOf(f) == kind)
            key_.insert(key_.end(), keyOf(f) + 1, keyOf(f) + keySize(f));
        else
            key_.push_back(f);
    }
    work_ += key_.size();
    if (work_ > kWorkLimit) throw TooLong{};
    std::sort(key_.begin() + 1, key_.end());
    key_.erase(std::unique(key_.begin() + 1, key_.end()), key_.end());
    if (key_.size() == 2) return key_[1];
    return intern();
}

std::optional<FormulaListRun> formulaRunList(const std::vector<Instruction>& lines, FormulaTable& table) try {
    FormulaListRun run;
    Versions versions(table);
    FormulaLogic logic{table};
    ListStacks<FormulaTable::Id> stacks;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Instruction& in = lines[i];
        FormulaTable::Id operand = FormulaTable::False;
        if (readsDevice(in.op) && !stacks.ended) operand = versions.read(in.device, readsNegated(in.op));
        if (applyInstruction(in.op, operand, i, stacks, logic) != ListFault::None) return std::nullopt;
        if (in.op == Op::OUT) {
            versions.write(in.device);
            run.writes.push_back({in.device, stacks.blocks.back()});
        }
    }
    if (endOfListFault(stacks) != ListFault::None) return std::nullopt;
    run.endsWithEnd = stacks.ended;
    return run;
} catch (const FormulaTable::TooLong&) {
    return std::nullopt;
}

std::optional<std::vector<FormulaWrite>> formulaRunDrawing(const Circuit& circuit,
                                                           const std::vector<RungAnalysis>& analyses,
                                                           FormulaTable& table) try {
    std::vector<FormulaWrite> writes;
    Versions versions(table);
    std::vector<FormulaTable::Id> power, termValue;
    for (std::size_t r = 0; r < circuit.rungs.size(); ++r) {
        const Rung& rung = circuit.rungs[r];
        const RungAnalysis& a = analyses[r];
        // Every coil of the rung from the values before the rung.
        power.clear();
        termValue.assign(a.terms.size(), -1);
        for (const CoilFeed& feed : a.coils) {
            switch (feed.feed) {
            case Feed::Term: {
                FormulaTable::Id& value = termValue[static_cast<std::size_t>(feed.term)];
                if (value < 0) value = termFormula(a.terms[static_cast<std::size_t>(feed.term)], circuit, versions, table);
                power.push_back(value);
                break;
            }
            case Feed::OnRail: power.push_back(FormulaTable::True); break;
            case Feed::Nothing: power.push_back(FormulaTable::False); break;
            case Feed::NotSeriesParallel: return std::nullopt;
            }
        }
        for (std::size_t k = 0; k < rung.coils.size(); ++k) {
            const std::string& name = circuit.coils[static_cast<std::size_t>(rung.coils[k])].name;
            writes.push_back({name, power[k]});
        }
        for (int k : rung.coils) versions.write(circuit.coils[static_cast<std::size_t>(k)].name);
    }
    return writes;
} catch (const FormulaTable::TooLong&) {
    return std::nullopt;
}

}  // namespace lp
