#include "circuit/StructuralList.h"

namespace lp {

namespace {

Instruction contactLine(const Contact& c, Op open, Op closed) { return {c.normallyClosed ? closed : open, c.name}; }

// Why the coil cannot be driven by any list, if it cannot.
std::optional<Refusal> coilFault(const Circuit& circuit, const Rung& rung, const Coil& coil, Feed feed) {
    if (feed == Feed::OnRail) return Refusal{RefusalReason::CoilOnRail, coil.row, coil.name};
    if (feed != Feed::Nothing) return std::nullopt;
    // A parallel coil hangs from the coil above it: is there one on its line?
    bool hangsFromCoil = false;
    for (int k : rung.coils) {
        const Coil& other = circuit.coils[static_cast<std::size_t>(k)];
        if (other.row < coil.row && other.leadIn == coil.leadIn && other.leadIn >= 0) hangsFromCoil = true;
    }
    if (coil.parallel && !hangsFromCoil) return Refusal{RefusalReason::ParallelCoilWithoutCoil, coil.row, coil.name};
    return Refusal{RefusalReason::CoilJoinedToNothing, coil.row, coil.name};
}

// Appends the rung's lines; tells why not when it cannot be written.
std::optional<Refusal> emitRung(const Circuit& circuit, const Rung& rung, const RungAnalysis& analysis,
                                std::vector<Instruction>& out) {
    if (rung.coils.empty()) return Refusal{RefusalReason::NoCoil, rung.row, {}};
    for (std::size_t k = 0; k < rung.coils.size(); ++k)
        if (auto fault = coilFault(circuit, rung, circuit.coils[static_cast<std::size_t>(rung.coils[k])], analysis.coils[k].feed))
            return fault;
    for (const CoilFeed& feed : analysis.coils)
        if (feed.feed == Feed::NotSeriesParallel) return Refusal{RefusalReason::NotSeriesParallel, rung.row, {}};
    int lastLeadIn = -1;
    for (std::size_t k = 0; k < rung.coils.size(); ++k) {
        const Coil& coil = circuit.coils[static_cast<std::size_t>(rung.coils[k])];
        if (k == 0 || coil.leadIn != lastLeadIn)
            emitBlock(analysis.terms[static_cast<std::size_t>(analysis.coils[k].term)], circuit, out);
        lastLeadIn = coil.leadIn;
        out.push_back({Op::OUT, coil.name});
    }
    return std::nullopt;
}

}  // namespace

void emitBlock(const SpTerm& term, const Circuit& circuit, std::vector<Instruction>& out) {
    auto contact = [&](const SpTerm& t) -> const Contact& { return circuit.contacts[static_cast<std::size_t>(t.contact)]; };
    if (term.kind == SpTerm::Kind::Contact) {
        out.push_back(contactLine(contact(term), Op::LD, Op::LDI));
        return;
    }
    const bool series = term.kind == SpTerm::Kind::Series;
    emitBlock(term.parts.front(), circuit, out);
    for (std::size_t i = 1; i < term.parts.size(); ++i) {
        const SpTerm& part = term.parts[i];
        if (part.kind == SpTerm::Kind::Contact) {
            out.push_back(series ? contactLine(contact(part), Op::AND, Op::ANI) : contactLine(contact(part), Op::OR, Op::ORI));
        } else {
            emitBlock(part, circuit, out);
            out.push_back({series ? Op::ANB : Op::ORB, {}});
        }
    }
}

BuiltLines buildLines(const Circuit& circuit, const std::vector<RungAnalysis>& analyses) {
    BuiltLines built;
    for (std::size_t r = 0; r < circuit.rungs.size() && !built.refused; ++r)
        built.refused = emitRung(circuit, circuit.rungs[r], analyses[r], built.lines);
    return built;
}

StructuralResult refusedResult(const Refusal& refusal) {
    StructuralResult result;
    result.rung_row = refusal.row;
    result.reason = refusal.reason;
    result.message = refusalMessage(refusal.reason, refusal.row, refusal.coil);
    return result;
}

}  // namespace lp
