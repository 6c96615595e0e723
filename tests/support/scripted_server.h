#pragma once
// A small TCP server on loopback that answers each connection by a script: for
// the replies that nginx will not make (resets, stalls, lying headers). It
// records every request's bytes exactly as they arrived.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vantelo::test {

class ScriptedServer {
public:
    // Called on the server's own thread for each connection, after the request
    // (up to its blank line) was read; `fd` is the connection.
    using Script = std::function<void(int fd, const std::string& request)>;

    // Listens on 127.0.0.1:`port`, any free port for 0.
    explicit ScriptedServer(Script script, int port = 0);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int port() const { return port_; }
    std::string Address(const std::string& path) const;
    std::vector<std::string> Requests() const;
    bool stopping() const { return stopping_; }

    // Helpers for scripts.
    static void Send(int fd, const std::string& bytes);
    static void Reset(int fd);  // an abortive close: the peer sees a reset

private:
    void Serve();
    Script script_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};

// A complete reply: status line, headers (each ending in CR LF) and body.
std::string Reply(const std::string& status, const std::string& headers, const std::string& body);

}  // namespace vantelo::test
