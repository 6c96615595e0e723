#include "remote/bytes_to_text.h"

#include <cstring>

namespace vantelo {

Text BytesToText(const ByteString& bytes) {
    if (bytes.empty()) return Text();
    const void* zero = std::memchr(bytes.data(), 0, bytes.size());
    const std::size_t n = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()) : bytes.size();
    return Text(bytes.data(), n);
}

}  // namespace vantelo
