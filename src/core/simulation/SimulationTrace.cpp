#include "simulation/SimulationTrace.h"

#include "simulation/Simulation.h"

namespace lp {

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

void SimulationTrace::begin(const Simulation& simulation) {
    devices_.clear();
    names_.clear();
    scans_.clear();
    for (bool inputs : {true, false})
        for (int d = 0; d < simulation.deviceCount(); ++d)
            if (simulation.isInput(d) == inputs) {
                devices_.push_back(d);
                names_.push_back(simulation.deviceNames()[static_cast<std::size_t>(d)]);
            }
}

void SimulationTrace::record(const Simulation& simulation) {
    if (!scans_.empty() && scans_.back().number == simulation.scans()) return;
    Scan scan{simulation.scans(), {}};
    for (int d : devices_) scan.values.push_back(simulation.value(d) ? 1 : 0);
    scans_.push_back(std::move(scan));
    while (scans_.size() > kScans) scans_.pop_front();
}

std::string SimulationTrace::csv() const {
    std::string text = "\xEF\xBB\xBFscan";
    for (const std::string& name : names_) text += ',' + csvField(name);
    text += "\r\n";
    for (const Scan& scan : scans_) {
        text += std::to_string(scan.number);
        for (uint8_t value : scan.values) text += value ? ",1" : ",0";
        text += "\r\n";
    }
    return text;
}

Picture SimulationTrace::diagram() const {
    constexpr double kMargin = 8, kNameWidth = 44, kRowHeight = 22, kHigh = 5, kLow = 17, kStep = 2, kSize = 12;
    Picture picture;
    const double left = kMargin + kNameWidth;
    const double top = kMargin + kSize * 1.5;
    picture.width = left + static_cast<double>(kScans) * kStep + kMargin;
    picture.height = top + static_cast<double>(names_.size()) * kRowHeight + kMargin;
    // The scan numbers above, every tenth scan.
    // The newest scan at the right edge.
    const double first = left + static_cast<double>(kScans - scans_.size()) * kStep;
    for (std::size_t i = 0; i < scans_.size(); ++i) {
        if (scans_[i].number % 20 != 0) continue;
        const double x = first + static_cast<double>(i) * kStep;
        picture.texts.push_back({x, kMargin + kSize, kSize * 0.8, std::to_string(scans_[i].number), {}, false});
        picture.strokes.push_back({x, top, x, picture.height - kMargin, 0.5, true});
    }
    for (std::size_t row = 0; row < names_.size(); ++row) {
        const double y = top + static_cast<double>(row) * kRowHeight;
        picture.texts.push_back({kMargin, y + kLow, kSize, names_[row], {}, false});
        for (std::size_t i = 0; i < scans_.size(); ++i) {
            const bool high = scans_[i].values[row] != 0;
            const double x = first + static_cast<double>(i) * kStep;
            const double level = y + (high ? kHigh : kLow);
            picture.strokes.push_back({x, level, x + kStep, level, high ? 2.0 : 1.0, false});
            if (i > 0 && scans_[i - 1].values[row] != scans_[i].values[row])
                picture.strokes.push_back({x, y + kHigh, x, y + kLow, 1, false});
        }
    }
    return picture;
}

}  // namespace lp
