#pragma once
// Looking into the page a WebKit view shows: its address, title and the
// result of a script, waiting on the main loop as a user would wait.
#include <webkit2/webkit2.h>

#include <string>

namespace vantelo::test {

WebKitWebView* BoxView();  // the BrowserBox's engine view
// Runs `script` in the page and gives its result as a string ("" on failure).
std::string RunScript(WebKitWebView* view, const std::string& script);
// Waits until the view's page has this title.
bool WaitForTitle(WebKitWebView* view, const std::string& title, int seconds = 15);
std::string Title(WebKitWebView* view);

}  // namespace vantelo::test
