#include <glib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "remote/code_page_936.h"

// Whatever the bytes of a text (which ends at its first zero byte), the result
// is valid UTF-8, and never empty for a text that is not.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const void* zero = std::memchr(data, 0, size)) size = static_cast<size_t>(static_cast<const uint8_t*>(zero) - data);
    const std::string text = vantelo::DecodeCodePage936(reinterpret_cast<const char*>(data), size);
    if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) std::abort();
    if (size > 0 && text.empty()) std::abort();
    return 0;
}
