#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "remote/read_chunk.h"

// Any header value gives a chunk within the two bounds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    const std::size_t chunk = vantelo::ReadChunkFor(value);
    if (chunk < 2 || chunk > vantelo::MaxReadChunk) std::abort();
    if (vantelo::ReadChunkFor(std::nullopt) != vantelo::DefaultReadChunk) std::abort();
    return 0;
}
