#pragma once
// The engine's session for every page the program shows: one per process, kept
// in the user's XDG data and cache folders so that cookies and site data (a
// login, say) survive a restart, as they do in a desktop browser.
#include <webkit2/webkit2.h>

namespace vantelo {

// Made on first use and kept to the end of the process; nullptr if it cannot be made.
WebKitWebContext* EngineSession();

}  // namespace vantelo
