#include "tests/support/tcp_sockets.h"
#include "tests/support/content_server.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <netinet/in.h>
#include <arpa/inet.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace vantelo::test {
namespace fs = std::filesystem;


ContentServer::ContentServer(int port, std::string extraConfig) : port_(port), extraConfig_(std::move(extraConfig)) {
    char dir[] = "/tmp/vantelo-content-XXXXXX";
    if (!mkdtemp(dir)) throw std::runtime_error("mkdtemp");
    dir_ = dir;
    fs::create_directories(dir_ + "/root");
    fs::create_directories(dir_ + "/tmp");
    chmod(dir_.c_str(), 0755);
}

ContentServer::~ContentServer() {
    Stop();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

void ContentServer::Start() {
    if (pid_) return;
    std::ofstream conf(dir_ + "/nginx.conf");
    conf << "daemon off;\nmaster_process off;\nworker_processes 1;\n"
         << "pid " << dir_ << "/nginx.pid;\nerror_log " << dir_ << "/error.log;\n"
         << "events { worker_connections 256; }\n"
         << "http {\n  log_format requests '$request';\n  access_log " << dir_ << "/requests.log requests;\n"
         << "  client_body_temp_path " << dir_ << "/tmp;\n  proxy_temp_path " << dir_ << "/tmp;\n"
         << "  fastcgi_temp_path " << dir_ << "/tmp;\n  uwsgi_temp_path " << dir_ << "/tmp;\n"
         << "  scgi_temp_path " << dir_ << "/tmp;\n"
         << "  types { text/html html; text/plain txt; video/mp4 mp4; video/webm webm; }\n"
         << "  server {\n    listen 127.0.0.1:" << port_ << ";\n    root " << dir_ << "/root;\n"
         << "    index index.html;\n" << extraConfig_ << "\n  }\n}\n";
    conf.close();
    pid_ = fork();
    if (pid_ == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execl("/usr/sbin/nginx", "nginx", "-p", dir_.c_str(), "-c", (dir_ + "/nginx.conf").c_str(), "-e",
              (dir_ + "/error.log").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 500 && !LoopbackListening(port_); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!LoopbackListening(port_)) throw std::runtime_error("nginx did not start");
}

void ContentServer::Stop() {
    if (!pid_) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
}

void ContentServer::Put(const std::string& path, const std::string& bytes) {
    const fs::path file = dir_ + "/root" + path;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

void ContentServer::Remove(const std::string& path) {
    std::error_code ignored;
    fs::remove(dir_ + "/root" + path, ignored);
}

std::string ContentServer::Base() const {
    return "http://127.0.0.1" + (port_ == 80 ? std::string() : ":" + std::to_string(port_));
}

std::vector<std::string> ContentServer::Requests() const {
    std::vector<std::string> lines;
    std::ifstream log(dir_ + "/requests.log");
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

bool ContentServer::WaitForRequests(std::size_t count, int timeoutMs) const {
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        if (Requests().size() >= count) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Requests().size() >= count;
}

}  // namespace vantelo::test
