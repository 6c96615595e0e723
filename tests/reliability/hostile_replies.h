#pragma once
// The kinds of reply a hostile or broken content server can make, each as a
// script for the scripted server, with what a fetch of it must give.
#include <functional>
#include <string>
#include <vector>

namespace vantelo::test {

struct HostileKind {
    std::string name;
    std::function<void(int fd, const std::string& request)> reply;
    // Whether the body HttpReadFile gave is the outcome the launcher promises.
    std::function<bool(const std::string& body)> expected;
    std::string outcome;  // the promise, in words, for the table
    bool slow = false;    // held up to the fetch's time-outs
};

// `tlsPort` serves TLS with a certificate the system rejects (see TlsServer).
std::vector<HostileKind> HostileKinds(int expiredTlsPort, int selfSignedTlsPort);

// openssl s_server on loopback with a certificate made for the test.
class TlsServer {
public:
    explicit TlsServer(bool expired);
    ~TlsServer();
    int port() const { return port_; }

private:
    std::string dir_;
    int port_ = 0;
    int pid_ = 0;
};

}  // namespace vantelo::test
