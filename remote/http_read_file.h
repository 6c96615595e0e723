#pragma once
// One HTTP GET of one address, its body as a byte string. Never reports an
// error: a fetch that cannot be made gives the empty byte string, a failed read
// the bytes received before it. Blocks the calling (UI) thread until done.
#include <cstddef>

#include "app/memory_blocks.h"

namespace vantelo {

inline constexpr const char* kAgentString = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

ByteString HttpReadFile(const char* url);

// What the last fetch did, and how often the shared state was opened; read by
// the tests and the benchmarks, never by the program.
struct FetchRecord {
    bool requestSent = false;     // the address passed every check and went to the network
    std::size_t readChunk = 0;    // from Content-Length
    std::size_t reads = 0;        // how many reads appended to the body
    std::size_t largestRead = 0;  // never more than readChunk
};
const FetchRecord& LastFetchRecord();
int SharedInternetHandleOpenCount();

}  // namespace vantelo
