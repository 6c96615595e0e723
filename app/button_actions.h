#pragma once
// The seven buttons' click handlers: the whole of the program's answer to the user.
namespace vantelo {

// The partner forum's root page, fixed when the program is built.
const char* PartnerForumAddress();

// LinkButton N: its address file, fetched anew, becomes the BrowserBox's address.
void LinkButtonClicked(int n);
template <int N>
void OnLinkButtonClicked() {
    LinkButtonClicked(N);
}
// The more-resources file, fetched anew, opens in the default browser.
void OnMoreResourcesClicked();
// The partner forum opens in the default browser; nothing is fetched.
void OnEditionClicked();

}  // namespace vantelo
