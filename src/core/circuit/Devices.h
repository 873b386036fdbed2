#pragma once
// Devices as Boolean variables, and the sequence of writes a program makes.
#include <string>
#include <unordered_map>
#include <vector>

#include "circuit/Bdd.h"

namespace lp {

// One write of a coil: the device and its new value as a function of the
// values all devices had before the first rung.
struct Write {
    std::string device;
    Bdd::Ref value;
    bool operator==(const Write&) const = default;
};

// The variable of each device's value before the first rung, numbered in
// the order the devices are first met.
class DeviceTable {
public:
    explicit DeviceTable(Bdd& bdd) : bdd_(&bdd) {}
    Bdd::Ref initial(const std::string& name) {
        auto it = vars_.find(name);
        if (it == vars_.end()) {
            const int v = static_cast<int>(vars_.size());
            it = vars_.emplace(name, Entry{v, bdd_->var(v)}).first;
        }
        return it->second.ref;
    }
    // The variable number of a device, -1 for a device never met.
    int variable(const std::string& name) const {
        const auto it = vars_.find(name);
        return it == vars_.end() ? -1 : it->second.var;
    }
    std::size_t size() const { return vars_.size(); }
    Bdd& bdd() { return *bdd_; }

private:
    struct Entry {
        int var;
        Bdd::Ref ref;
    };
    Bdd* bdd_;
    std::unordered_map<std::string, Entry> vars_;
};

// The devices' current values while a program runs: a write takes effect
// at once.
class DeviceValues {
public:
    explicit DeviceValues(DeviceTable& table) : table_(&table) {}
    Bdd::Ref value(const std::string& name) {
        const auto it = written_.find(name);
        return it != written_.end() ? it->second : table_->initial(name);
    }
    void write(const std::string& name, Bdd::Ref value) { written_[name] = value; }

private:
    DeviceTable* table_;
    std::unordered_map<std::string, Bdd::Ref> written_;
};

}  // namespace lp
