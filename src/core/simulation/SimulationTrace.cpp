#include "simulation/SimulationTrace.h"

#include <algorithm>

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

namespace {
constexpr double kMargin = 8, kNameWidth = 44, kRowHeight = 22, kHigh = 5, kLow = 17, kStep = 2, kSize = 12;
constexpr double kLeft = kMargin + kNameWidth;
}  // namespace

std::optional<std::size_t> SimulationTrace::scanAt(double x) const {
    const double first = kLeft + static_cast<double>(kScans - scans_.size()) * kStep;
    if (scans_.empty() || x < first) return std::nullopt;
    const auto index = static_cast<std::size_t>((x - first) / kStep);
    if (index >= scans_.size()) return std::nullopt;
    return index;
}

Picture SimulationTrace::diagram(std::optional<std::size_t> marked) const {
    Picture picture;
    const double left = kLeft;
    const double top = kMargin + kSize * 1.5;
    picture.width = left + static_cast<double>(kScans) * kStep + kMargin;
    picture.height = top + static_cast<double>(names_.size()) * kRowHeight + kMargin;
    // The newest scan at the right edge.
    const double first = left + static_cast<double>(kScans - scans_.size()) * kStep;
    if (marked && *marked >= scans_.size()) marked.reset();
    const double markX = marked ? first + static_cast<double>(*marked) * kStep : 0;
    if (marked) {
        std::string label = "扫描 " + std::to_string(scans_[*marked].number);
        const double labelX = std::min(markX + 3, picture.width - kMargin - kSize * 0.4 * static_cast<double>(label.size()));
        picture.texts.push_back({labelX, kMargin + kSize, kSize * 0.8, std::move(label), {}, true});
        picture.strokes.push_back({markX + kStep / 2, top - kSize / 2, markX + kStep / 2, picture.height - kMargin, 1, true});
    }
    // The scan numbers above, every twentieth scan, where the mark leaves room.
    for (std::size_t i = 0; i < scans_.size(); ++i) {
        if (scans_[i].number % 20 != 0) continue;
        const double x = first + static_cast<double>(i) * kStep;
        if (marked && x > markX - 30 && x < markX + 70) continue;
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
