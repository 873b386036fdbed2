#pragma once
// Devices as Boolean variables, and the sequence of writes a program makes.
//
// A program can be read in two ways. Composed: a value is a function of the
// values all devices had before the first rung, and a write replaces the
// device's function; this is exact, but a rung that reads an earlier coil
// composes that coil's whole function into its own. Versioned: every write
// gives its device a fresh variable, and later reads use it; cheap, and when
// two programs make the same versioned writes in the same order, they make
// the same composed writes too (the k-th version of a device then stands for
// the same function on both sides). The converse does not hold, so a
// versioned difference is settled by the composed reading.
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "circuit/Bdd.h"

namespace lp {

enum class Reading { Composed, Versioned };

// One write of a coil: the device and its new value.
struct Write {
    std::string device;
    Bdd::Ref value;
    bool operator==(const Write&) const = default;
};

// The variables: each device's value before the first rung, and in the
// versioned reading each written value.
//
// Order matters for the size of the composed diagrams: with the devices of
// later rungs tested first, an earlier rung's function hangs whole below a
// later rung's own tests and is shared, not rebuilt. So the devices named up
// front (in drawing order) are numbered from the bottom up; devices and
// versions met later go below them all.
class DeviceTable {
public:
    explicit DeviceTable(Bdd& bdd, const std::vector<std::string>& drawingOrder = {});

    // The variable of the device's value before the first rung.
    Bdd::Ref initial(const std::string& name) { return initialOf(deviceOf(name)); }
    // The variable of the device's `n`-th written value (n ≥ 1); 0 is the initial one.
    Bdd::Ref version(const std::string& name, int n) { return versionOf(deviceOf(name), n); }
    // The variable number of a device's initial value, -1 for a device never met.
    int variable(const std::string& name) const;
    Bdd& bdd() { return *bdd_; }

    // Every name gets a number on first use, so that a program's run looks
    // each name up once per read, not once per table.
    int deviceOf(const std::string& name);
    int deviceCount() const { return static_cast<int>(devices_.size()); }
    Bdd::Ref initialOf(int device);
    Bdd::Ref versionOf(int device, int n);

private:
    struct Device {
        int var = -1;                    // of the initial value; -1 until first read
        Bdd::Ref node = Bdd::False;      // Bdd::False until made
        std::vector<Bdd::Ref> versions;  // [n - 1]: the n-th written value, Bdd::False until made
    };

    Bdd::Ref fresh() {
        const Bdd::Ref v = bdd_->var(nextVar_);  // may throw BddOverflow: then no number is used up
        ++nextVar_;
        return v;
    }

    Bdd* bdd_;
    int nextVar_ = 0;
    std::unordered_map<std::string, int> numbers_;
    std::vector<Device> devices_;
};

// The devices' current values while a program runs: a write takes effect
// at once.
class DeviceValues {
public:
    DeviceValues(DeviceTable& table, Reading reading) : table_(&table), reading_(reading) {}
    Bdd::Ref value(const std::string& name);
    void write(const std::string& name, Bdd::Ref value);

private:
    struct Current {
        Bdd::Ref value = Bdd::False;
        int version = 0;  // 0: not written yet
    };
    Current& current(int device);

    DeviceTable* table_;
    Reading reading_;
    std::vector<Current> current_;  // by device number
};

}  // namespace lp
