#include "circuit/Devices.h"

namespace lp {

DeviceTable::DeviceTable(Bdd& bdd, const std::vector<std::string>& drawingOrder) : bdd_(&bdd) {
    numbers_.reserve(drawingOrder.size());
    devices_.reserve(drawingOrder.size());
    for (const std::string& name : drawingOrder) deviceOf(name);
    const int n = deviceCount();
    // The nodes are made when first read, so that a full diagram shows
    // itself as an overflow of the check, not of this constructor.
    for (int i = 0; i < n; ++i) devices_[static_cast<std::size_t>(i)].var = n - 1 - i;
    nextVar_ = n;
}

int DeviceTable::deviceOf(const std::string& name) {
    const auto [it, added] = numbers_.try_emplace(name, deviceCount());
    if (added) devices_.emplace_back();
    return it->second;
}

Bdd::Ref DeviceTable::initialOf(int device) {
    Device& d = devices_[static_cast<std::size_t>(device)];
    if (d.var < 0) d.var = nextVar_++;
    if (d.node == Bdd::False) d.node = bdd_->var(d.var);
    return d.node;
}

Bdd::Ref DeviceTable::versionOf(int device, int n) {
    if (n == 0) return initialOf(device);
    std::vector<Bdd::Ref>& versions = devices_[static_cast<std::size_t>(device)].versions;
    const std::size_t at = static_cast<std::size_t>(n - 1);
    if (versions.size() <= at) versions.resize(at + 1, Bdd::False);
    if (versions[at] == Bdd::False) versions[at] = fresh();
    return versions[at];
}

int DeviceTable::variable(const std::string& name) const {
    const auto it = numbers_.find(name);
    return it == numbers_.end() ? -1 : devices_[static_cast<std::size_t>(it->second)].var;
}

DeviceValues::Current& DeviceValues::current(int device) {
    const std::size_t at = static_cast<std::size_t>(device);
    if (current_.size() <= at) current_.resize(static_cast<std::size_t>(table_->deviceCount()));
    return current_[at];
}

Bdd::Ref DeviceValues::value(const std::string& name) {
    const int device = table_->deviceOf(name);
    const Current& c = current(device);
    return c.version > 0 ? c.value : table_->initialOf(device);
}

void DeviceValues::write(const std::string& name, Bdd::Ref value) {
    const int device = table_->deviceOf(name);
    Current& c = current(device);
    ++c.version;
    c.value = reading_ == Reading::Composed ? value : table_->versionOf(device, c.version);
}

}  // namespace lp
