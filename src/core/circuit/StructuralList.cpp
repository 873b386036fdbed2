#include "circuit/StructuralList.h"

#include <algorithm>
#include <span>
#include <utility>

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

bool sameTerm(const SpTerm& a, const SpTerm& b) {
    if (a.kind != b.kind || a.contact != b.contact || a.parts.size() != b.parts.size()) return false;
    for (std::size_t i = 0; i < a.parts.size(); ++i)
        if (!sameTerm(a.parts[i], b.parts[i])) return false;
    return true;
}

// The coils of a rung written from the points they hang from: the part of
// the rung that several coils share is written once, and where their paths
// part, MPS saves the result at that point, MRD takes it up again for each
// middle branch and MPP for the last. Coils stay in drawing order: a part
// shared by coils that are not neighbours in that order is written again.
class BranchWriter {
public:
    BranchWriter(const Circuit& circuit, std::vector<Instruction>& out) : circuit_(circuit), out_(out) {}

    // False, with nothing written, when the points nest deeper than the
    // branch stack goes.
    bool write(const Rung& rung, const RungAnalysis& analysis) {
        paths_.clear();
        names_.clear();
        for (std::size_t k = 0; k < rung.coils.size(); ++k) {
            const SpTerm& term = analysis.terms[static_cast<std::size_t>(analysis.coils[k].term)];
            // A series term is its parts from the rail on; any other term is one part.
            paths_.push_back(term.kind == SpTerm::Kind::Series ? std::span<const SpTerm>(term.parts)
                                                               : std::span<const SpTerm>(&term, 1));
            names_.push_back(&circuit_.coils[static_cast<std::size_t>(rung.coils[k])].name);
        }
        const std::size_t start = out_.size();
        depth_ = 0;
        tooDeep_ = false;
        group(0, paths_.size(), 0);
        if (tooDeep_) out_.resize(start);
        return !tooDeep_;
    }

private:
    // The part coil k's path goes on with after `d` parts; null where the coil hangs.
    const SpTerm* next(std::size_t k, std::size_t d) const { return d < paths_[k].size() ? &paths_[k][d] : nullptr; }
    bool sameNext(std::size_t a, std::size_t b, std::size_t d) const {
        const SpTerm* x = next(a, d);
        const SpTerm* y = next(b, d);
        return x == y || (x && y && sameTerm(*x, *y));
    }

    // Coils [begin, end) share their first `d` parts, whose result is the
    // current one (none when d is 0).
    void group(std::size_t begin, std::size_t end, std::size_t d) {
        std::vector<std::pair<std::size_t, std::size_t>> runs;
        for (std::size_t k = begin; k < end; ++k) {
            if (k == begin || !sameNext(k - 1, k, d))
                runs.emplace_back(k, k + 1);
            else
                runs.back().second = k + 1;
        }
        if (d == 0 || runs.size() == 1) {
            // From the rail each run starts a rung of its own; a single run
            // goes straight on from the current result.
            for (const auto& [b, e] : runs) run(b, e, d);
            return;
        }
        if (depth_ == kBranchStackDepth) {
            tooDeep_ = true;
            return;
        }
        out_.push_back({Op::MPS, {}});
        ++depth_;
        for (std::size_t r = 0; r < runs.size() && !tooDeep_; ++r) {
            if (r > 0) out_.push_back({r + 1 == runs.size() ? Op::MPP : Op::MRD, {}});
            run(runs[r].first, runs[r].second, d);
        }
        --depth_;
    }

    // Coils [begin, end) go on with the same part after `d` parts, or all hang there.
    void run(std::size_t begin, std::size_t end, std::size_t d) {
        const SpTerm* part = next(begin, d);
        if (!part) {
            for (std::size_t k = begin; k < end; ++k) out_.push_back({Op::OUT, *names_[k]});
            return;
        }
        if (d > 0 && part->kind == SpTerm::Kind::Contact) {
            out_.push_back(contactLine(circuit_.contacts[static_cast<std::size_t>(part->contact)], Op::AND, Op::ANI));
        } else {
            emitBlock(*part, circuit_, out_);
            if (d > 0) out_.push_back({Op::ANB, {}});
        }
        group(begin, end, d + 1);
    }

    const Circuit& circuit_;
    std::vector<Instruction>& out_;
    std::vector<std::span<const SpTerm>> paths_;
    std::vector<const std::string*> names_;
    std::size_t depth_ = 0;
    bool tooDeep_ = false;
};

// Spelling out a bridge path by path: each simple path from the rail to the
// lead-in a series of its contacts, the paths in parallel. Only where they
// are few; the search for them is bounded too.
constexpr std::size_t kMostPaths = 64;
constexpr std::size_t kMostPathContacts = 1024;
constexpr std::size_t kMostSearchSteps = 100000;

class PathWriter {
public:
    PathWriter(const Circuit& circuit, const BridgedBlock& block) : circuit_(circuit), block_(block) {
        for (const NetworkEdge& e : block.edges) {
            const std::size_t most = static_cast<std::size_t>(std::max(e.a, e.b)) + 1;
            if (at_.size() < most) at_.resize(most);
            at_[static_cast<std::size_t>(e.a)].push_back(&e);
            at_[static_cast<std::size_t>(e.b)].push_back(&e);
        }
        onPath_.assign(at_.size(), false);
    }

    // False, with nothing written, when the paths are too many to spell out.
    bool write(std::vector<Instruction>& out) {
        if (at_.empty() || !search(0) || paths_.empty()) return false;
        for (std::size_t p = 0; p < paths_.size(); ++p) {
            const std::vector<int>& path = paths_[p];
            const Contact& first = contact(path.front());
            if (p > 0 && path.size() == 1) {
                out.push_back(contactLine(first, Op::OR, Op::ORI));
                continue;
            }
            out.push_back(contactLine(first, Op::LD, Op::LDI));
            for (std::size_t i = 1; i < path.size(); ++i) out.push_back(contactLine(contact(path[i]), Op::AND, Op::ANI));
            if (p > 0) out.push_back({Op::ORB, {}});
        }
        return true;
    }

private:
    const Contact& contact(int i) const { return circuit_.contacts[static_cast<std::size_t>(i)]; }

    // Depth first from `point`; false when the bounds are passed.
    bool search(int point) {
        if (++steps_ > kMostSearchSteps) return false;
        if (point == block_.to) {
            if (paths_.size() == kMostPaths || (contacts_ += current_.size()) > kMostPathContacts) return false;
            paths_.push_back(current_);
            return true;
        }
        onPath_[static_cast<std::size_t>(point)] = true;
        for (const NetworkEdge* e : at_[static_cast<std::size_t>(point)]) {
            const int next = e->a == point ? e->b : e->a;
            if (onPath_[static_cast<std::size_t>(next)]) continue;
            current_.push_back(e->contact);
            const bool within = search(next);
            current_.pop_back();
            if (!within) return false;
        }
        onPath_[static_cast<std::size_t>(point)] = false;
        return true;
    }

    const Circuit& circuit_;
    const BridgedBlock& block_;
    std::vector<std::vector<const NetworkEdge*>> at_;
    std::vector<bool> onPath_;
    std::vector<int> current_;
    std::vector<std::vector<int>> paths_;
    std::size_t steps_ = 0, contacts_ = 0;
};

}  // namespace

Refusal bridgeRefusal(const Circuit& circuit, const Rung& rung, const RungAnalysis& analysis) {
    for (const CoilFeed& feed : analysis.coils) {
        if (feed.feed != Feed::NotSeriesParallel) continue;
        const int bridge = analysis.bridges[static_cast<std::size_t>(feed.term)].bridge;
        if (bridge < 0) break;
        const Contact& c = circuit.contacts[static_cast<std::size_t>(bridge)];
        return Refusal{RefusalReason::NotSeriesParallel, c.row, c.name, c.slot};
    }
    return Refusal{RefusalReason::NotSeriesParallel, rung.row, {}, 0};
}

namespace {

// Appends the rung's lines; tells why not when it cannot be written.
// `branched`: coils that hang from different points are written with the
// branch stack, else each with its own copy of the part they share.
std::optional<Refusal> emitRung(const Circuit& circuit, const Rung& rung, const RungAnalysis& analysis,
                                std::vector<Instruction>& out, bool branched) {
    if (rung.coils.empty()) return Refusal{RefusalReason::NoCoil, rung.row, {}};
    for (std::size_t k = 0; k < rung.coils.size(); ++k)
        if (auto fault = coilFault(circuit, rung, circuit.coils[static_cast<std::size_t>(rung.coils[k])], analysis.coils[k].feed))
            return fault;
    bool bridged = false;
    for (const CoilFeed& feed : analysis.coils) bridged |= feed.feed == Feed::NotSeriesParallel;
    if (branched && !bridged && BranchWriter(circuit, out).write(rung, analysis)) return std::nullopt;
    // Each point written from the rail, the shared part copied; also where
    // the points nest deeper than the branch stack goes, and for a bridge,
    // whose paths are written one by one.
    const std::size_t start = out.size();
    int lastLeadIn = -1;
    for (std::size_t k = 0; k < rung.coils.size(); ++k) {
        const Coil& coil = circuit.coils[static_cast<std::size_t>(rung.coils[k])];
        const CoilFeed& feed = analysis.coils[k];
        if (k == 0 || coil.leadIn != lastLeadIn) {
            if (feed.feed == Feed::Term) {
                emitBlock(analysis.terms[static_cast<std::size_t>(feed.term)], circuit, out);
            } else if (!PathWriter(circuit, analysis.bridges[static_cast<std::size_t>(feed.term)]).write(out)) {
                out.resize(start);
                return bridgeRefusal(circuit, rung, analysis);
            }
        }
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

BuiltLines buildLines(const Circuit& circuit, const std::vector<RungAnalysis>& analyses, bool branched) {
    BuiltLines built;
    for (std::size_t r = 0; r < circuit.rungs.size() && !built.refused; ++r) {
        built.refused = emitRung(circuit, circuit.rungs[r], analyses[r], built.lines, branched);
        if (built.refused) built.refusedRung = static_cast<int>(r);
    }
    return built;
}

StructuralResult refusedResult(const Refusal& refusal) {
    StructuralResult result;
    result.rung_row = refusal.row;
    result.reason = refusal.reason;
    result.message = refusalMessage(refusal.reason, refusal.row, refusal.coil, refusal.col);
    return result;
}

}  // namespace lp
