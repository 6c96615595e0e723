#include "app/tab_order.h"

#include <algorithm>

namespace vantelo {

std::vector<std::size_t> TabOrder(std::span<const ControlRecord> controls) {
    std::vector<std::size_t> order;
    for (std::size_t i = controls.size(); i-- > 0;) {
        const ControlRecord& c = controls[i];
        if (c.tabStop && c.visible && !c.disabled) order.push_back(i);
    }
    // Walked from the last stored, so a stable sort keeps ties in reverse stored order.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].tabOrder < controls[b].tabOrder; });
    return order;
}

}  // namespace vantelo
