#include "tests/reliability/hostile_replies.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "tests/support/tcp_sockets.h"
#include "tests/support/scripted_server.h"

namespace vantelo::test {
namespace {

using S = ScriptedServer;

std::function<void(int, const std::string&)> Sends(std::string bytes) {
    return [bytes](int fd, const std::string&) { S::Send(fd, bytes); };
}
std::function<bool(const std::string&)> Is(std::string want) {
    return [want](const std::string& body) { return body == want; };
}
std::function<bool(const std::string&)> Empty() { return Is(""); }

int FreePort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    close(s);
    return ntohs(a.sin_port);
}


}  // namespace

TlsServer::TlsServer(bool expired) {
    char dir[] = "/tmp/vantelo-tls-XXXXXX";
    if (!mkdtemp(dir)) throw std::runtime_error("mkdtemp");
    dir_ = dir;
    std::string make;
    if (expired) {
        std::ofstream(dir_ + "/ca.cnf") << "[ca]\ndefault_ca=d\n[d]\ndir=" << dir_ << "\ndatabase=" << dir_
                                        << "/index.txt\nnew_certs_dir=" << dir_ << "\nserial=" << dir_
                                        << "/serial\npolicy=p\ndefault_md=sha256\n[p]\ncommonName=supplied\n";
        std::ofstream(dir_ + "/index.txt");
        std::ofstream(dir_ + "/serial") << "01\n";
        make = "cd " + dir_ + " && openssl req -new -newkey rsa:2048 -nodes -keyout key.pem -out req.csr -subj /CN=127.0.0.1 2>/dev/null"
               " && openssl ca -batch -config ca.cnf -selfsign -keyfile key.pem -in req.csr -out cert.pem"
               " -startdate 20200101000000Z -enddate 20200102000000Z >/dev/null 2>&1";
    } else {
        make = "cd " + dir_ + " && openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 30"
               " -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 >/dev/null 2>&1";
    }
    if (std::system(make.c_str()) != 0) throw std::runtime_error("could not make the test certificate");
    port_ = FreePort();
    pid_ = fork();
    if (pid_ == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        freopen("/dev/null", "r", stdin);
        const std::string accept = std::to_string(port_);
        execlp("openssl", "openssl", "s_server", "-quiet", "-www", "-accept", accept.c_str(), "-cert",
               (dir_ + "/cert.pem").c_str(), "-key", (dir_ + "/key.pem").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 300 && !LoopbackListening(port_); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TlsServer::~TlsServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::vector<HostileKind> HostileKinds(int expiredTlsPort, int selfSignedTlsPort) {
    const std::string mib(1 << 20, 'C');
    std::string manyHeaders;
    for (int i = 0; i < 10000; ++i) manyHeaders += "X-H" + std::to_string(i) + ": v\r\n";
    std::vector<HostileKind> kinds = {
        {"garbage instead of a status line", Sends("garbage garbage garbage\r\n\r\nbody"), Empty(), "empty"},
        {"header without end", Sends("HTTP/1.1 200 OK\r\nX-A: b\r\nX-C: d"), Empty(), "empty"},
        {"10 000 headers", Sends(Reply("200 OK", manyHeaders, "ok")),
         [](const std::string& b) { return b == "ok" || b.empty(); }, "the body, or empty"},
        {"a 1 MiB header line", Sends(Reply("200 OK", "X-Long: " + mib + "\r\n", "ok")), Empty(), "empty"},
        {"chunked, broken mid-chunk", Sends(Reply("200 OK", "Transfer-Encoding: chunked\r\n", "5\r\nhello\r\n9\r\nwor")),
         Is("hellowor"), "the body so far"},
        {"chunk size too large for any integer",
         Sends(Reply("200 OK", "Transfer-Encoding: chunked\r\n", "FFFFFFFFFFFFFFFFFFFF\r\nabc")), Empty(), "empty"},
        {"a body of 1 GiB",
         [](int fd, const std::string&) {
             S::Send(fd, Reply("200 OK", "Content-Length: 1073741824\r\n", ""));
             const std::string block(1 << 20, 'G');
             for (int i = 0; i < 1024; ++i) S::Send(fd, block);
         },
         [](const std::string& b) { return b.size() == (1u << 30); }, "the whole 1 GiB"},
        {"Content-Length 2^64", Sends(Reply("200 OK", "Content-Length: 18446744073709551616\r\n", "big")), Is("big"),
         "the body"},
        {"negative Content-Length", Sends(Reply("200 OK", "Content-Length: -1\r\n", "neg")), Is("neg"), "the body"},
        {"non-numeric Content-Length", Sends(Reply("200 OK", "Content-Length: twelve\r\n", "nan")), Is("nan"), "the body"},
        {"Content-Length shorter than the body", Sends(Reply("200 OK", "Content-Length: 2\r\n", "longer")), Is("longer"),
         "the whole body"},
        {"close after the status line", Sends("HTTP/1.1 200 OK\r\n"), Empty(), "empty"},
        {"reset before any reply", [](int fd, const std::string&) { S::Reset(fd); }, Empty(), "empty"},
        {"reset mid-body",
         [](int fd, const std::string&) {
             S::Send(fd, Reply("200 OK", "Content-Length: 100\r\n", "part"));
             std::this_thread::sleep_for(std::chrono::milliseconds(50));
             S::Reset(fd);
         },
         Is("part"), "the body so far"},
        {"HTTP/0.9 reply with no status line", Sends("just a body, no headers"), Empty(), "empty"},
        {"status 500 with a body", Sends(Reply("500 Internal Server Error", "", "failure page")), Is("failure page"),
         "the body"},
        {"204 No Content", Sends(Reply("204 No Content", "", "")), Empty(), "empty"},
        {"100 Continue, then 200", Sends("HTTP/1.1 100 Continue\r\n\r\n" + Reply("200 OK", "", "after")), Is("after"),
         "the body"},
        {"gzip body never asked for", Sends(Reply("200 OK", "Content-Encoding: gzip\r\n", "\x1f\x8bnot really")),
         Is("\x1f\x8bnot really"), "the bytes as sent"},
        {"redirect loop", Sends(Reply("302 Found", "Location: /loop\r\n", "again")), Empty(), "empty"},
        {"redirect to file:", Sends(Reply("302 Found", "Location: file:///etc/passwd\r\n", "x")), Empty(), "empty"},
        {"redirect to ftp:", Sends(Reply("302 Found", "Location: ftp://127.0.0.1/x\r\n", "x")), Empty(), "empty"},
        {"redirect to gopher:", Sends(Reply("302 Found", "Location: gopher://127.0.0.1/x\r\n", "x")), Empty(), "empty"},
        {"TLS with an expired certificate",
         Sends(Reply("302 Found", "Location: https://127.0.0.1:" + std::to_string(expiredTlsPort) + "/\r\n", "x")),
         Empty(), "empty"},
        {"TLS with a self-signed certificate",
         Sends(Reply("302 Found", "Location: https://127.0.0.1:" + std::to_string(selfSignedTlsPort) + "/\r\n", "x")),
         Empty(), "empty"},
        {"invalid GBK", Sends(Reply("200 OK", "", "ok\xFF\x81 \xFE")), Is("ok\xFF\x81 \xFE"), "the bytes as sent"},
        {"NUL bytes", Sends(Reply("200 OK", "", std::string("up to\0here", 10))), Is(std::string("up to\0here", 10)),
         "the bytes (the text ends at the NUL)"},
        {"a 1 MiB caption", Sends(Reply("200 OK", "", mib)), Is(mib), "the whole 1 MiB"},
        {"a javascript: address", Sends(Reply("200 OK", "", "javascript:alert(document.cookie)")),
         Is("javascript:alert(document.cookie)"), "the text (opens nothing outside)"},
        {"a file: address", Sends(Reply("200 OK", "", "file:///etc/passwd")), Is("file:///etc/passwd"),
         "the text (opens nothing outside)"},
        {"a .desktop file name", Sends(Reply("200 OK", "", "/usr/share/applications/xterm.desktop")),
         Is("/usr/share/applications/xterm.desktop"), "the text (opens nothing outside)"},
        {"stall after the headers",
         [](int fd, const std::string&) {
             S::Send(fd, Reply("200 OK", "Content-Length: 10\r\n", "so"));
             std::this_thread::sleep_for(std::chrono::seconds(35));
         },
         Is("so"), "the body so far, after 30 s", true},
        {"one byte every 25 seconds",
         [](int fd, const std::string&) {
             S::Send(fd, Reply("200 OK", "", ""));
             for (char c : std::string("abc")) {
                 S::Send(fd, std::string(1, c));
                 std::this_thread::sleep_for(std::chrono::seconds(25));
             }
         },
         Is("abc"), "the bytes so far, after 60 s", true},
    };
    return kinds;
}

}  // namespace vantelo::test
