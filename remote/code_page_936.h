#pragma once
// The content server's texts are bytes in code page 936 (GBK); the toolkit and
// the engine take UTF-8. A byte that is not valid GBK becomes U+FFFD and the
// rest of the text still comes through.
#include <cstddef>
#include <string>

namespace vantelo {
std::string DecodeCodePage936(const char* bytes, std::size_t length);
}
