#include "circuit/Devices.h"

namespace lp {

DeviceTable::DeviceTable(Bdd& bdd, const std::vector<std::string>& drawingOrder) : bdd_(&bdd) {
    std::vector<const std::string*> firsts;
    for (const std::string& name : drawingOrder)
        if (initial_.emplace(name, std::make_pair(0, Bdd::False)).second) firsts.push_back(&name);
    const int n = static_cast<int>(firsts.size());
    // The nodes are made when first read, so that a full diagram shows
    // itself as an overflow of the check, not of this constructor.
    for (int i = 0; i < n; ++i) initial_[*firsts[static_cast<std::size_t>(i)]].first = n - 1 - i;
    nextVar_ = n;
}

Bdd::Ref DeviceTable::initial(const std::string& name) {
    auto it = initial_.find(name);
    if (it == initial_.end()) it = initial_.emplace(name, std::make_pair(nextVar_++, Bdd::False)).first;
    // Bdd::False marks a variable whose node is not made yet.
    if (it->second.second == Bdd::False) it->second.second = bdd_->var(it->second.first);
    return it->second.second;
}

Bdd::Ref DeviceTable::version(const std::string& name, int n) {
    if (n == 0) return initial(name);
    const auto key = std::make_pair(name, n);
    const auto it = versions_.find(key);
    if (it != versions_.end()) return it->second;
    const Bdd::Ref v = fresh();
    versions_.emplace(key, v);
    return v;
}

int DeviceTable::variable(const std::string& name) const {
    const auto it = initial_.find(name);
    return it == initial_.end() ? -1 : it->second.first;
}

Bdd::Ref DeviceValues::value(const std::string& name) {
    const auto it = written_.find(name);
    return it != written_.end() ? it->second.value : table_->initial(name);
}

void DeviceValues::write(const std::string& name, Bdd::Ref value) {
    Current& c = written_.try_emplace(name, Current{Bdd::False, 0}).first->second;
    ++c.version;
    c.value = reading_ == Reading::Composed ? value : table_->version(name, c.version);
}

}  // namespace lp
