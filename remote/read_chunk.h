#pragma once
// How much one read of a response body may take, from its Content-Length.
#include <cstddef>
#include <optional>
#include <string_view>

namespace vantelo {

inline constexpr std::size_t DefaultReadChunk = 10240;
inline constexpr std::size_t MaxReadChunk = 102400;
// Room for the header's value, its terminating zero included: a longer value
// counts as no usable header.
inline constexpr std::size_t ContentLengthBufferSize = 32;

// `value` is the Content-Length header's value, or nothing when the response
// has none. Leading white space is skipped, then one optional sign and the
// digits up to the first other character; 0 or less, no digits, or no header
// give DefaultReadChunk; otherwise value + 1, at most MaxReadChunk.
std::size_t ReadChunkFor(std::optional<std::string_view> value);

}  // namespace vantelo
