#pragma once
// Formulas over the devices' versioned values (see Devices.h), kept in one
// form per grouping and order of AND and OR: a series or parallel block is
// one node over its parts, sorted, whatever way a list or the drawing
// groups and orders them. Two writes with the same formula have the same
// value, at the cost of reading each formula once, without a decision
// diagram; writes whose formulas differ may still agree, and are settled
// by the diagrams.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "circuit/CircuitGraph.h"
#include "circuit/InstructionList.h"
#include "circuit/RungAnalysis.h"

namespace lp {

class FormulaTable {
public:
    using Id = int32_t;
    static constexpr Id False = 0;
    static constexpr Id True = 1;

    FormulaTable();

    // Thrown when the parts combined so far pass kWorkLimit: long chains
    // cost their length at each link, and the work stays bounded.
    struct TooLong {};
    static constexpr std::size_t kWorkLimit = std::size_t{4} << 20;

    // The device's `version`-th value (0: before the first rung), negated or not.
    Id literal(const std::string& device, int version, bool negated);
    Id notOf(Id f);
    Id andOf(Id a, Id b) { return combine(Kind::And, a, b); }
    Id orOf(Id a, Id b) { return combine(Kind::Or, a, b); }

private:
    enum class Kind : int32_t { Const, Literal, Not, And, Or };

    Id combine(Kind kind, Id a, Id b);
    // The node whose key is `key_`, made when new.
    Id intern();
    const int32_t* keyOf(Id f) const { return pool_.data() + start_[static_cast<std::size_t>(f)]; }
    std::size_t keySize(Id f) const {
        return start_[static_cast<std::size_t>(f) + 1] - start_[static_cast<std::size_t>(f)];
    }
    Kind kindOf(Id f) const { return static_cast<Kind>(keyOf(f)[0]); }
    static std::size_t hashOf(const std::vector<int32_t>& key);
    void grow();

    // Each node's key, one after another in `pool_`: its kind, then for a
    // literal the variable and the negation, for NOT its operand, for AND
    // and OR the sorted parts.
    std::vector<int32_t> pool_;
    std::vector<std::size_t> start_;  // node f's key is pool_[start_[f], start_[f + 1])
    std::vector<Id> slots_;           // open addressing over the keys, -1 empty
    std::vector<int32_t> key_;        // the key being looked up
    std::unordered_map<std::string, int32_t> devices_;
    std::size_t work_ = 0;
};

// The writes of a program as formulas, in the versioned reading: every
// write gives its device a new version.
struct FormulaWrite {
    std::string device;
    FormulaTable::Id value;
    bool operator==(const FormulaWrite&) const = default;
};

// The list's writes; nothing when the list breaks a rule of its structure
// (the reading by decision diagrams tells which).
struct FormulaListRun {
    std::vector<FormulaWrite> writes;
    bool endsWithEnd = false;
};
std::optional<FormulaListRun> formulaRunList(const std::vector<Instruction>& lines, FormulaTable& table);

// The drawing's writes; nothing when a coil is fed through a bridge.
std::optional<std::vector<FormulaWrite>> formulaRunDrawing(const Circuit& circuit,
                                                           const std::vector<RungAnalysis>& analyses,
                                                           FormulaTable& table);

}  // namespace lp
