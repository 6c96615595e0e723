#include <cstdint>
#include <cstdlib>
#include <strings.h>
#include <string>

#include "remote/fetch_address.h"

// Only http and https addresses pass.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string address(reinterpret_cast<const char*>(data), size);
    if (vantelo::IsFetchableAddress(address.c_str()) && strncasecmp(address.c_str(), "http", 4) != 0) std::abort();
    return 0;
}
