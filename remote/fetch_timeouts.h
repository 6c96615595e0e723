#pragma once
// How long one fetch may hold the window, which is frozen while it runs. These
// bound what a bad network or a hostile server can do to the launcher.
#include <chrono>

namespace vantelo {

// A connection not made by then fails: the empty byte string.
inline constexpr std::chrono::milliseconds kConnectTimeout{10'000};
// No byte of the response for this long ends the fetch with the bytes so far.
inline constexpr std::chrono::milliseconds kStallTimeout{30'000};
// A response still arriving this long after the fetch began ends with the bytes so far.
inline constexpr std::chrono::milliseconds kWholeFetchTimeout{60'000};

}  // namespace vantelo
