#include "remote/fetch_address.h"

#include <strings.h>

#include <cstring>

namespace vantelo {
namespace {

// Room for each component, its terminating zero included.
constexpr std::size_t kHostBuffer = 256, kPathBuffer = 2048, kUserBuffer = 128, kPasswordBuffer = 128;

struct CharsDeleter {
    void operator()(char* p) const { curl_free(p); }
};
using CurlChars = std::unique_ptr<char, CharsDeleter>;

std::size_t PartLength(CURLU* url, CURLUPart part) {
    char* raw = nullptr;
    if (curl_url_get(url, part, &raw, 0) != CURLUE_OK) return 0;
    CurlChars value(raw);
    return std::strlen(value.get());
}

}  // namespace

bool ParseFetchAddress(const char* address, CURLU* url) {
    if (!address || !*address) return false;
    if (curl_url_set(url, CURLUPART_URL, address, CURLU_NON_SUPPORT_SCHEME) != CURLUE_OK) return false;
    char* raw = nullptr;
    if (curl_url_get(url, CURLUPART_SCHEME, &raw, 0) != CURLUE_OK) return false;
    CurlChars scheme(raw);
    if (strcasecmp(scheme.get(), "http") != 0 && strcasecmp(scheme.get(), "https") != 0) return false;
    const std::size_t host = PartLength(url, CURLUPART_HOST);
    if (host == 0 || host >= kHostBuffer) return false;
    const std::size_t query = PartLength(url, CURLUPART_QUERY);
    if (PartLength(url, CURLUPART_PATH) + (query ? query + 1 : 0) >= kPathBuffer) return false;
    if (PartLength(url, CURLUPART_USER) >= kUserBuffer) return false;
    if (PartLength(url, CURLUPART_PASSWORD) >= kPasswordBuffer) return false;
    return true;
}

bool IsFetchableAddress(const char* address) {
    ParsedAddress url(curl_url());
    return url && ParseFetchAddress(address, url.get());
}

}  // namespace vantelo
