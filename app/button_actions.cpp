#include "app/button_actions.h"

#include <string>

#include "app/controls.h"
#include "app/shell.h"
#include "build_config.h"
#include "remote/bytes_to_text.h"
#include "remote/content_addresses.h"
#include "remote/http_read_file.h"
#include "web/open_url_externally.h"

namespace vantelo {

const char* PartnerForumAddress() { return VANTELO_PARTNER_FORUM_ADDRESS; }

void LinkButtonClicked(int n) {
    ByteString bytes = HttpReadFile(AddressFileAddress(n).c_str());
    Text text = BytesToText(bytes);
    bytes.Release();
    if (Control* box = FindControl("超文本浏览框1")) WriteAddress(*box, text);
    text.Release();
}

void OnMoreResourcesClicked() {
    ByteString bytes = HttpReadFile(MoreResourcesFileAddress().c_str());
    Text text = BytesToText(bytes);
    bytes.Release();
    OpenUrlExternally(text);
    text.Release();
}

void OnEditionClicked() { OpenUrlExternally(Text::FromCString(PartnerForumAddress())); }

}  // namespace vantelo
