#pragma once
// The keyboard's tab order, made afresh from the records at each key press:
// the visible, enabled tab stops sorted by tab-order value, equal values in the
// reverse of the stored order.
#include <cstddef>
#include <span>
#include <vector>

#include "app/window_description.h"

namespace vantelo {

// Indices into `controls` (stored order), first in tab order first.
std::vector<std::size_t> TabOrder(std::span<const ControlRecord> controls);

}  // namespace vantelo
