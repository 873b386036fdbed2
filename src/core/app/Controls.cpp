#include "app/Controls.h"

#include <algorithm>
#include <cstring>

namespace lp {

const ControlSpec* findControl(std::span<const ControlSpec> controls, const char* name) {
    for (const ControlSpec& control : controls)
        if (std::strcmp(control.name, name) == 0) return &control;
    return nullptr;
}

std::vector<const ControlSpec*> tabOrder(std::span<const ControlSpec> controls) {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& control : controls)
        if (control.tabStop) order.push_back(&control);
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

}  // namespace lp
