#pragma once
// Where the content server's eleven files lie, as the launcher sees them. All are
// the build's content address followed directly by a fixed path.
#include <string>

namespace vantelo {

// Scheme and host of the content server (no path, no trailing "/"); also the
// BrowserBox's home page.
const char* ContentBaseAddress();

std::string CaptionFileAddress(int n);  // n = 1..5: "/eyy/n.txt"
std::string AddressFileAddress(int n);  // n = 1..5: "/eyy/nwangzhi.txt"
std::string MoreResourcesFileAddress(); // "/wangzhi.txt"

}  // namespace vantelo
