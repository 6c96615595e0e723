#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "remote/bytes_to_text.h"

// The text is the bytes before the first zero, exactly.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantelo::ByteString bytes(data, size);
    vantelo::Text text = vantelo::BytesToText(bytes);
    const void* zero = std::memchr(data, 0, size);
    const size_t n = zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - data) : size;
    if (text.length() != n || std::memcmp(text.c_str(), data, n) != 0 || text.c_str()[n] != '\0') std::abort();
    return 0;
}
