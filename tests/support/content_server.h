#pragma once
// A real nginx on loopback serving a content folder that the test writes, with
// a log of the requests it answered. Each test runs in a private network
// namespace, so the server takes the content server's own port.
#include <string>
#include <vector>

namespace vantelo::test {

class ContentServer {
public:
    // `extraConfig` goes inside the server block (locations with special replies).
    explicit ContentServer(int port = 80, std::string extraConfig = "");
    ~ContentServer();
    ContentServer(const ContentServer&) = delete;
    ContentServer& operator=(const ContentServer&) = delete;

    void Start();
    void Stop();
    void Put(const std::string& path, const std::string& bytes);  // path begins with "/"
    void Remove(const std::string& path);
    std::string Base() const;  // "http://127.0.0.1[:port]"
    // The request lines answered so far, "GET /eyy/1.txt HTTP/1.0" each.
    std::vector<std::string> Requests() const;
    // Waits until at least `count` requests were logged.
    bool WaitForRequests(std::size_t count, int timeoutMs = 10000) const;

private:
    std::string dir_;
    int port_;
    std::string extraConfig_;
    int pid_ = 0;
};

}  // namespace vantelo::test
