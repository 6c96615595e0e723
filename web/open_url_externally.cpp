#include "web/open_url_externally.h"

#include <gio/gio.h>
#include <strings.h>

#include "remote/code_page_936.h"

namespace vantelo {

bool MayOpenExternally(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view scheme = address.substr(0, colon);
    return (scheme.size() == 4 && strncasecmp(scheme.data(), "http", 4) == 0) ||
           (scheme.size() == 5 && strncasecmp(scheme.data(), "https", 5) == 0);
}

void OpenUrlExternally(const Text& url) {
    const std::string address = DecodeCodePage936(url.c_str(), url.length());
    if (!MayOpenExternally(address)) return;  // silently, as a failed hand-over would be
    // The handler starts on its own; a failure is not looked at.
    g_app_info_launch_default_for_uri(address.c_str(), nullptr, nullptr);
}

}  // namespace vantelo
