#include "remote/content_addresses.h"

#include "build_config.h"

namespace vantelo {

const char* ContentBaseAddress() { return VANTELO_CONTENT_BASE_ADDRESS; }

std::string CaptionFileAddress(int n) {
    return std::string(ContentBaseAddress()) + "/eyy/" + std::to_string(n) + ".txt";
}

std::string AddressFileAddress(int n) {
    return std::string(ContentBaseAddress()) + "/eyy/" + std::to_string(n) + "wangzhi.txt";
}

std::string MoreResourcesFileAddress() { return std::string(ContentBaseAddress()) + "/wangzhi.txt"; }

}  // namespace vantelo
