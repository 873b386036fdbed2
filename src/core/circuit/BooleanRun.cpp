#include "circuit/BooleanRun.h"

namespace lp {

namespace {

struct BooleanLogic {
    bool andOf(bool a, bool b) { return a && b; }
    bool orOf(bool a, bool b) { return a || b; }
};

bool stateOf(const DeviceStates& states, const std::string& device) {
    const auto it = states.find(device);
    return it != states.end() && it->second;
}

}  // namespace

BooleanListRun runListOnStates(const std::vector<Instruction>& lines, DeviceStates& states) {
    BooleanListRun run;
    BooleanLogic logic;
    ListStacks<bool> stacks;
    auto fail = [&](ListFault fault, std::size_t i) {
        run.fault = fault;
        run.faultLine = i + 1;
        run.endsWithEnd = stacks.ended;
        return run;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Instruction& in = lines[i];
        bool operand = false;
        if (readsDevice(in.op) && !stacks.ended) operand = stateOf(states, in.device) != readsNegated(in.op);
        if (const ListFault fault = applyInstruction(in.op, operand, i, stacks, logic); fault != ListFault::None)
            return fail(fault, fault == ListFault::BranchNotTakenBack ? stacks.pushedAt.back() : i);
        if (in.op == Op::OUT) states[in.device] = stacks.blocks.back();
    }
    run.endsWithEnd = stacks.ended;
    switch (endOfListFault(stacks)) {
    case ListFault::NeverWritten: return fail(ListFault::NeverWritten, lines.size() - (run.endsWithEnd ? 2 : 1));
    case ListFault::BranchNotTakenBack: return fail(ListFault::BranchNotTakenBack, stacks.pushedAt.back());
    default: break;
    }
    return run;
}

void runDrawingOnStates(const Circuit& circuit, DeviceStates& states) {
    // The nets that closed contacts join, as sets; a coil is powered when
    // its lead-in is in the rail's set.
    std::vector<int> parent(static_cast<std::size_t>(circuit.netCount) + 1);
    auto find = [&](int net) {
        while (parent[static_cast<std::size_t>(net)] != net) {
            int& up = parent[static_cast<std::size_t>(net)];
            up = parent[static_cast<std::size_t>(up)];
            net = up;
        }
        return net;
    };
    std::vector<bool> power;
    for (const Rung& rung : circuit.rungs) {
        parent[static_cast<std::size_t>(circuit.rail)] = circuit.rail;
        for (int i : rung.contacts) {
            const Contact& c = circuit.contacts[static_cast<std::size_t>(i)];
            for (int net : {c.left, c.right})
                if (net >= 0) parent[static_cast<std::size_t>(net)] = net;
        }
        for (int k : rung.coils)
            if (const int net = circuit.coils[static_cast<std::size_t>(k)].leadIn; net >= 0)
                parent[static_cast<std::size_t>(net)] = net;
        for (int i : rung.contacts) {
            const Contact& c = circuit.contacts[static_cast<std::size_t>(i)];
            if (c.left < 0 || c.right < 0 || stateOf(states, c.name) == c.normallyClosed) continue;
            parent[static_cast<std::size_t>(find(c.left))] = find(c.right);
        }
        power.clear();
        const int rail = find(circuit.rail);
        for (int k : rung.coils) {
            const int net = circuit.coils[static_cast<std::size_t>(k)].leadIn;
            power.push_back(net >= 0 && find(net) == rail);
        }
        for (std::size_t k = 0; k < rung.coils.size(); ++k)
            states[circuit.coils[static_cast<std::size_t>(rung.coils[k])].name] = power[k];
    }
}

}  // namespace lp
