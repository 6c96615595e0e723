#pragma once
// Windows that a page opens (a link with a target, window.open on a click): each
// is a top-level window of the program's own, sharing the page's session and
// keeping its opener; the page may close it.
#include <webkit2/webkit2.h>

namespace vantelo {

// Lets `view` open new windows; the engine's own rule still blocks pop-ups that
// no click asked for.
void AllowNewWindows(WebKitWebView* view);

// How many such windows are open now.
int OpenPageWindowCount();
// Closes every one of them; done when MainWindow goes.
void CloseAllPageWindows();

}  // namespace vantelo
