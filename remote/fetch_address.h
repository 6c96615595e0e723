#pragma once
// Which addresses a fetch may go to: absolute http or https addresses whose host,
// path (with its query), user name and password each fit the room the fetch has
// for them. Anything else is refused before the network is touched.
#include <curl/curl.h>

#include <memory>

namespace vantelo {

struct UrlDeleter {
    void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
using ParsedAddress = std::unique_ptr<CURLU, UrlDeleter>;

// Parses `address` into `url`; false when no request may be made of it.
bool ParseFetchAddress(const char* address, CURLU* url);
bool IsFetchableAddress(const char* address);

}  // namespace vantelo
