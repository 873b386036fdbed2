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

DrawingRun runDrawing(const Circuit& circuit, DeviceTable& devices) {
    DrawingRun run;
    DeviceValues values(devices);
    Bdd& bdd = devices.bdd();
    for (std::size_t r = 0; r < circuit.rungs.size(); ++r) {
        const Rung& rung = circuit.rungs[r];
        if (rung.coils.empty()) continue;
        const std::vector<Bdd::Ref> power = rungPowerFlow(circuit, rung, values, bdd);
        for (std::size_t k = 0; k < rung.coils.size(); ++k) {
            const std::string& name = circuit.coils[static_cast<std::size_t>(rung.coils[k])].name;
            run.writes.push_back({name, power[k]});
            run.rungOfWrite.push_back(static_cast<int>(r));
        }
        for (std::size_t k = 0; k < rung.coils.size(); ++k)
            values.write(circuit.coils[static_cast<std::size_t>(rung.coils[k])].name, power[k]);
    }
    return run;
}

}  // namespace lp
