#include "circuit/DrawingSemantics.h"

#include <cstdint>
#include <unordered_map>

namespace lp {

std::vector<Bdd::Ref> rungPowerFlow(const Circuit& circuit, const Rung& rung, DeviceValues& values, Bdd& bdd) {
    // Local numbering of the rung's nets, the rail first.
    std::unordered_map<int, std::size_t> local;
    local.emplace(circuit.rail, 0);
    auto pointOf = [&](int net) { return local.emplace(net, local.size()).first->second; };
    struct Switch {
        std::size_t a, b;
        Bdd::Ref closed;
    };
    std::vector<Switch> switches;
    switches.reserve(rung.contacts.size());
    for (int i : rung.contacts) {
        const Contact& c = circuit.contacts[static_cast<std::size_t>(i)];
        if (c.left < 0 || c.right < 0) continue;
        const Bdd::Ref on = values.value(c.name);
        switches.push_back({pointOf(c.left), pointOf(c.right), c.normallyClosed ? bdd.notOf(on) : on});
    }
    std::vector<std::size_t> leadIns;
    for (int k : rung.coils) {
        const int net = circuit.coils[static_cast<std::size_t>(k)].leadIn;
        leadIns.push_back(net < 0 ? SIZE_MAX : pointOf(net));
    }

    // Least fixpoint of: the rail is powered; a point is powered when a
    // closed contact joins it to a powered point. Sweeps run both ways so
    // that a chain drawn in either direction settles in few rounds.
    std::vector<Bdd::Ref> power(local.size(), Bdd::False);
    power[0] = Bdd::True;
    auto relax = [&](const Switch& s, bool& changed) {
        const Bdd::Ref toB = bdd.orOf(power[s.b], bdd.andOf(power[s.a], s.closed));
        if (toB != power[s.b]) {
            power[s.b] = toB;
            changed = true;
        }
        const Bdd::Ref toA = bdd.orOf(power[s.a], bdd.andOf(power[s.b], s.closed));
        if (toA != power[s.a]) {
            power[s.a] = toA;
            changed = true;
        }
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (const Switch& s : switches) relax(s, changed);
        for (auto it = switches.rbegin(); it != switches.rend(); ++it) relax(*it, changed);
    }

    std::vector<Bdd::Ref> coils;
    coils.reserve(leadIns.size());
    for (std::size_t p : leadIns) coils.push_back(p == SIZE_MAX ? Bdd::False : power[p]);
    return coils;
}

Bdd::Ref termPower(const SpTerm& term, const Circuit& circuit, DeviceValues& values, Bdd& bdd) {
    if (term.kind == SpTerm::Kind::Contact) {
        const Contact& c = circuit.contacts[static_cast<std::size_t>(term.contact)];
        const Bdd::Ref on = values.value(c.name);
        return c.normallyClosed ? bdd.notOf(on) : on;
    }
    const bool series = term.kind == SpTerm::Kind::Series;
    Bdd::Ref power = series ? Bdd::True : Bdd::False;
    for (const SpTerm& part : term.parts) {
        const Bdd::Ref p = termPower(part, circuit, values, bdd);
        power = series ? bdd.andOf(power, p) : bdd.orOf(power, p);
    }
    return power;
}

namespace {

// The rung's power flow within kBridgeSteps; past them, every coil unpowered
// and the rung noted as unknown. An overflow of the whole proof goes on up.
std::vector<Bdd::Ref> bridgedPower(const Circuit& circuit, const Rung& rung, DeviceValues& values, Bdd& bdd,
                                   DrawingRun& run, std::size_t r) {
    try {
        const StepAllowance allowance(bdd, kBridgeSteps);
        return rungPowerFlow(circuit, rung, values, bdd);
    } catch (const BddOverflow&) {
        if (bdd.stepsLeft() == 0 || bdd.full()) throw;
        run.unknownRungs.push_back(static_cast<int>(r));
        return std::vector<Bdd::Ref>(rung.coils.size(), Bdd::False);
    }
}

}  // namespace

DrawingRun runDrawing(const Circuit& circuit, const std::vector<RungAnalysis>& analyses, DeviceTable& devices,
                      Reading reading, std::size_t maxWrites) {
    DrawingRun run;
    DeviceValues values(devices, reading);
    Bdd& bdd = devices.bdd();
    for (std::size_t r = 0; r < circuit.rungs.size() && run.writes.size() < maxWrites; ++r) {
        const Rung& rung = circuit.rungs[r];
        const RungAnalysis& a = analyses[r];
        // Every coil of the rung from the values before the rung.
        std::vector<Bdd::Ref> power;
        std::vector<Bdd::Ref> termValue(a.terms.size(), Bdd::False);
        std::vector<bool> termDone(a.terms.size(), false);
        std::vector<Bdd::Ref> bridged;
        for (std::size_t k = 0; k < rung.coils.size(); ++k) {
            const CoilFeed& feed = a.coils[k];
            switch (feed.feed) {
            case Feed::Term: {
                const std::size_t t = static_cast<std::size_t>(feed.term);
                if (!termDone[t]) termValue[t] = termPower(a.terms[t], circuit, values, bdd);
                termDone[t] = true;
                power.push_back(termValue[t]);
                break;
            }
            case Feed::OnRail: power.push_back(Bdd::True); break;
            case Feed::Nothing: power.push_back(Bdd::False); break;
            case Feed::NotSeriesParallel:
                if (bridged.empty()) bridged = bridgedPower(circuit, rung, values, bdd, run, r);
                power.push_back(bridged[k]);
                break;
            }
        }
        for (std::size_t k = 0; k < rung.coils.size(); ++k) {
            run.writes.push_back({circuit.coils[static_cast<std::size_t>(rung.coils[k])].name, power[k]});
            run.rungOfWrite.push_back(static_cast<int>(r));
        }
        for (std::size_t k = 0; k < rung.coils.size(); ++k)
            values.write(circuit.coils[static_cast<std::size_t>(rung.coils[k])].name, power[k]);
    }
    return run;
}

}  // namespace lp
