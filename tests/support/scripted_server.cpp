#include "tests/support/scripted_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace vantelo::test {

ScriptedServer::ScriptedServer(Script script, int port) : script_(std::move(script)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    if (bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(listener_, 64) != 0)
        throw std::runtime_error("scripted server: bind");
    socklen_t len = sizeof a;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    acceptor_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
    stopping_ = true;
    acceptor_.join();
    for (auto& t : connections_) t.join();
    close(listener_);
}

std::string ScriptedServer::Address(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> ScriptedServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void ScriptedServer::Serve() {
    while (!stopping_) {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) continue;
        const int fd = accept(listener_, nullptr, nullptr);
        if (fd < 0) continue;
        connections_.emplace_back([this, fd] {
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos && !stopping_) {
                pollfd q{fd, POLLIN, 0};
                if (poll(&q, 1, 50) <= 0) continue;
                const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(request);
            }
            if (!stopping_) script_(fd, request);
            close(fd);
        });
    }
}

void ScriptedServer::Send(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

void ScriptedServer::Reset(int fd) {
    linger l{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
}

std::string Reply(const std::string& status, const std::string& headers, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\n" + headers + "\r\n" + body;
}

}  // namespace vantelo::test
