#pragma once
// MainWindow's own keys, seen before the focused control sees them: Esc closes
// the window, Tab and Shift+Tab walk the tab order, Alt with a letter or digit
// clicks the button whose caption carries that access key.
#include <gtk/gtk.h>

namespace vantelo {

struct LiveWindow;

void ConnectWindowKeys(LiveWindow& live);
// True when the window took the key; otherwise it goes on to the focused control.
bool HandleWindowKey(LiveWindow& live, const GdkEventKey& key);

}  // namespace vantelo
