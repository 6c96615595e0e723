#include <cstdint>
#include <cstdlib>
#include <strings.h>
#include <string>

#include "web/open_url_externally.h"

// Nothing but an http or https address is ever handed to the desktop.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string address(reinterpret_cast<const char*>(data), size);
    if (vantelo::MayOpenExternally(address) && strncasecmp(address.c_str(), "http:", 5) != 0 &&
        strncasecmp(address.c_str(), "https:", 6) != 0)
        std::abort();
    return 0;
}
