#include "remote/http_read_file.h"

#include <curl/curl.h>
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "remote/fetch_address.h"
#include "remote/fetch_timeouts.h"
#include "remote/read_chunk.h"

namespace vantelo {
namespace {

using Clock = std::chrono::steady_clock;

// The process-wide state that every fetch shares: opened by the first fetch and
// kept to the end of the process; a failed open is tried again by the next fetch.
struct SharedInternetHandle {
    bool open = false;
    int opens = 0;
};
SharedInternetHandle& Shared() {
    static SharedInternetHandle shared;
    return shared;
}
bool OpenSharedInternetHandle() {
    SharedInternetHandle& shared = Shared();
    if (!shared.open && curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {
        shared.open = true;
        ++shared.opens;
    }
    return shared.open;
}

FetchRecord& Record() {
    static FetchRecord record;
    return record;
}

struct EasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};

struct Transfer {
    ByteString body;
    std::optional<std::string> contentLength;  // of the response being read
    std::size_t chunk = 0;
    Clock::time_point lastByte;
};

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* p) {
    auto* t = static_cast<Transfer*>(p);
    const std::size_t length = size * count;
    std::string_view line(data, length);
    t->lastByte = Clock::now();
    if (line.starts_with("HTTP/")) {
        t->contentLength.reset();  // a new response (after a redirect, say)
    } else if (!t->contentLength && line.size() >= 15 && strncasecmp(line.data(), "Content-Length:", 15) == 0) {
        std::string_view value = line.substr(15);
        while (!value.empty() && (value.back() == '\r' || value.back() == '\n')) value.remove_suffix(1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
        t->contentLength = std::string(value);
    }
    return length;
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* p) {
    auto* t = static_cast<Transfer*>(p);
    const std::size_t length = size * count;
    if (t->chunk == 0) t->chunk = ReadChunkFor(t->contentLength);
    FetchRecord& record = Record();
    // Reads of at most one chunk each, straight onto the end of the body.
    for (std::size_t offset = 0; offset < length;) {
        const std::size_t take = std::min(t->chunk, length - offset);
        t->body.Append(data + offset, take);
        offset += take;
        ++record.reads;
        record.largestRead = std::max(record.largestRead, take);
    }
    t->lastByte = Clock::now();
    return length;
}

int OnProgress(void* p, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(p);
    return Clock::now() - t->lastByte > kStallTimeout ? 1 : 0;  // non-zero ends the fetch
}

}  // namespace

ByteString HttpReadFile(const char* address) {
    FetchRecord& record = Record();
    record = FetchRecord{};

    ParsedAddress url(curl_url());
    if (!url || !ParseFetchAddress(address, url.get())) return ByteString();
    if (!OpenSharedInternetHandle()) return ByteString();
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy) return ByteString();

    Transfer transfer;
    transfer.lastByte = Clock::now();
    CURL* c = easy.get();
    curl_easy_setopt(c, CURLOPT_CURLU, url.get());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(c, CURLOPT_USERAGENT, kAgentString);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 30L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(kConnectTimeout.count()));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(kWholeFetchTimeout.count()));
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
    // The body is read to its end whatever Content-Length says; the header only
    // sizes the reads.
    curl_easy_setopt(c, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
    curl_easy_setopt(c, CURLOPT_BUFFERSIZE, static_cast<long>(MaxReadChunk));
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);

    record.requestSent = true;
    curl_easy_perform(c);  // whatever it says, the bytes so far are the body
    if (transfer.chunk == 0) transfer.chunk = ReadChunkFor(transfer.contentLength);
    record.readChunk = transfer.chunk;
    return std::move(transfer.body);
}

const FetchRecord& LastFetchRecord() { return Record(); }
int SharedInternetHandleOpenCount() { return Shared().opens; }

}  // namespace vantelo
