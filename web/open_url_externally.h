#pragma once
// Hands an address to the desktop's default handler for its scheme (the user's
// web browser), without waiting for it and without learning anything back.
#include <string>
#include <string_view>

#include "app/memory_blocks.h"

namespace vantelo {

// Only http and https addresses (either case) go out: the text comes from a
// plain-http server, and the desktop's "open" of anything else (a file, a
// program's desktop entry) would let a tampered reply start local programs.
bool MayOpenExternally(std::string_view address);

// `url` in code page 936, passed on as it is (not trimmed, completed or encoded).
void OpenUrlExternally(const Text& url);

}  // namespace vantelo
