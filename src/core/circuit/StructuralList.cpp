#include "circuit/StructuralList.h"

#include <optional>
#include <unordered_map>

#include "circuit/SeriesParallel.h"

namespace lp {

namespace {

Instruction contactLine(const Contact& c, Op open, Op closed) { return {c.normallyClosed ? closed : open, c.name}; }

// One rung as a network: the rail is point 0, the other nets follow.
struct RungNetwork {
    std::unordered_map<int, int> point;
    std::vector<NetworkEdge> edges;
    std::vector<std::vector<int>> neighbours;

    int pointOf(int net) {
        const auto [it, added] = point.emplace(net, static_cast<int>(point.size()));
        if (added) neighbours.emplace_back();
        return it->second;
    }

    RungNetwork(const Circuit& circuit, const Rung& rung) {
        pointOf(circuit.rail);
        for (int i : rung.contacts) {
            const Contact& c = circuit.contacts[static_cast<std::size_t>(i)];
            const int a = pointOf(c.left), b = pointOf(c.right);
            edges.push_back({a, b, i});
            neighbours[static_cast<std::size_t>(a)].push_back(b);
            neighbours[static_cast<std::size_t>(b)].push_back(a);
        }
    }

    // Whether wire and contacts, all closed, lead from the rail to the net.
    bool reachesRail(int net) const {
        const auto it = point.find(net);
        if (it == point.end()) return false;
        std::vector<bool> seen(neighbours.size(), false);
        std::vector<int> todo{0};
        seen[0] = true;
        while (!todo.empty()) {
            const int p = todo.back();
            todo.pop_back();
            if (p == it->second) return true;
            for (int q : neighbours[static_cast<std::size_t>(p)])
                if (!seen[static_cast<std::size_t>(q)]) {
                    seen[static_cast<std::size_t>(q)] = true;
                    todo.push_back(q);
                }
        }
        return false;
    }
};

struct Refused {
    RefusalReason reason;
    int row;
    std::string coil;
};

// Why the coil cannot be driven by any list, if it cannot.
std::optional<Refused> coilFault(const Circuit& circuit, const Rung& rung, const RungNetwork& network, const Coil& coil) {
    if (coil.leadIn == circuit.rail) return Refused{RefusalReason::CoilOnRail, coil.row, coil.name};
    if (coil.leadIn >= 0 && network.reachesRail(coil.leadIn)) return std::nullopt;
    bool hangsFromCoil = false;
    for (int k : rung.coils) {
        const Coil& other = circuit.coils[static_cast<std::size_t>(k)];
        if (&other != &coil && other.leadIn == coil.leadIn && other.leadIn >= 0) hangsFromCoil = true;
    }
    if (coil.parallel && !hangsFromCoil) return Refused{RefusalReason::ParallelCoilWithoutCoil, coil.row, coil.name};
    return Refused{RefusalReason::CoilJoinedToNothing, coil.row, coil.name};
}

// Appends the rung's lines; tells why not when it cannot be written.
std::optional<Refused> emitRung(const Circuit& circuit, const Rung& rung, std::vector<Instruction>& out) {
    if (rung.coils.empty()) return Refused{RefusalReason::NoCoil, rung.row, {}};
    RungNetwork network(circuit, rung);
    for (int k : rung.coils)
        if (auto fault = coilFault(circuit, rung, network, circuit.coils[static_cast<std::size_t>(k)])) return fault;
    const int pointCount = static_cast<int>(network.point.size());
    int lastLeadIn = -1;
    for (int k : rung.coils) {
        const Coil& coil = circuit.coils[static_cast<std::size_t>(k)];
        if (coil.leadIn != lastLeadIn) {
            const auto term = decomposeSeriesParallel(pointCount, network.edges, 0, network.point.at(coil.leadIn));
            if (!term) return Refused{RefusalReason::NotSeriesParallel, rung.row, {}};
            emitBlock(*term, circuit, out);
            lastLeadIn = coil.leadIn;
        }
        out.push_back({Op::OUT, coil.name});
    }
    return std::nullopt;
}

std::string textOf(const std::vector<Instruction>& lines) {
    std::string text;
    for (const Instruction& in : lines) text += lineText(in) + "\r\n";
    return text;
}

StructuralResult refusal(const Refused& r) {
    StructuralResult result;
    result.rung_row = r.row;
    result.reason = r.reason;
    result.message = refusalMessage(r.reason, r.row, r.coil);
    return result;
}

}  // namespace

void emitBlock(const SpTerm& term, const Circuit& circuit, std::vector<Instruction>& out) {
    auto contact = [&](const SpTerm& t) -> const Contact& { return circuit.contacts[static_cast<std::size_t>(t.contact)]; };
    switch (term.kind) {
    case SpTerm::Kind::Contact: out.push_back(contactLine(contact(term), Op::LD, Op::LDI)); return;
    case SpTerm::Kind::Series:
    case SpTerm::Kind::Parallel: {
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
        return;
    }
    }
}

StructuralResult structuralListOf(const Circuit& circuit, DeviceTable& devices, const DrawingRun& drawing) {
    std::vector<Instruction> lines;
    std::optional<Refused> refused;
    for (const Rung& rung : circuit.rungs) {
        refused = emitRung(circuit, rung, lines);
        if (refused) break;
    }

    // Prove what was built. A copy of a shared part that reads a coil the
    // rung has just written can differ from the drawing, where every coil of
    // a rung sees the values from before the rung.
    // Every coil of the rungs built has its OUT, in drawing order, so the
    // k-th write of the list answers the k-th write of the drawing.
    const ListRun run = runList(lines, devices);
    for (std::size_t w = 0; w < run.writes.size() && w < drawing.writes.size(); ++w) {
        if (run.writes[w] == drawing.writes[w]) continue;
        const Rung& rung = circuit.rungs[static_cast<std::size_t>(drawing.rungOfWrite[w])];
        return refusal({RefusalReason::RereadsOwnCoil, rung.row, {}});
    }
    if (refused) return refusal(*refused);

    if (circuit.endAtCursor) lines.push_back({Op::END, {}});
    StructuralResult result;
    result.ok = true;
    result.list = textOf(lines);
    return result;
}

}  // namespace lp
