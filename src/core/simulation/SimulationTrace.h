#pragma once
// The values of a simulation's devices over its last scans: the timing
// diagram of the device table, and its CSV and SVG for saving.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/PictureModel.h"

namespace lp {

class Simulation;

class SimulationTrace {
public:
    static constexpr std::size_t kScans = 200;

    // A new trace of this simulation's devices, inputs first, coils after.
    void begin(const Simulation& simulation);
    // The values after the simulation's last whole scan, once per scan.
    void record(const Simulation& simulation);

    struct Scan {
        long number;
        std::vector<uint8_t> values;  // in the order of names()
    };
    const std::vector<std::string>& names() const { return names_; }
    const std::deque<Scan>& scans() const { return scans_; }

    // "scan,X01,Y01" then a row per scan, CR LF line ends, UTF-8 with a byte
    // order mark so that a spreadsheet reads the names right.
    std::string csv() const;
    // Each device's value as a line, high and low, newest on the right; the
    // scan at index `marked` of scans() (hovered, or the last one stepped)
    // marked with a line and its number.
    Picture diagram(std::optional<std::size_t> marked = {}) const;
    // The index in scans() of the scan drawn at `x` of the diagram, if any.
    std::optional<std::size_t> scanAt(double x) const;

private:
    std::vector<int> devices_;  // simulation device of each name
    std::vector<std::string> names_;
    std::deque<Scan> scans_;
};

}  // namespace lp
