// HttpReadFile against real servers on loopback: nginx for ordinary files, the
// scripted server for replies nginx will not make.
#include <gtest/gtest.h>

#include <ostream>
#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "remote/http_read_file.h"
#include "tests/support/content_server.h"
#include "tests/support/fatal_end.h"
#include "tests/support/scripted_server.h"

namespace vantelo::test {
namespace {

std::string Body(const ByteString& b) { return std::string(b.data() ? b.data() : "", b.size()); }

int OpenSockets() {
    int sockets = 0;
    DIR* dir = opendir("/proc/self/fd");
    while (dirent* e = readdir(dir)) {
        char target[256] = {};
        const std::string link = std::string("/proc/self/fd/") + e->d_name;
        if (readlink(link.c_str(), target, sizeof target - 1) > 0 && std::string(target).starts_with("socket:"))
            ++sockets;
    }
    closedir(dir);
    return sockets;
}

TEST(HttpReadFile, TheRequestReachesTheServerByteForByte) {
    ScriptedServer server([](int fd, const std::string&) { ScriptedServer::Send(fd, Reply("200 OK", "", "x")); });
    const std::string address = server.Address("/eyy/1.txt?a=1&b=%20#fragment");
    EXPECT_EQ(Body(HttpReadFile(address.c_str())), "x");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0],
              "GET /eyy/1.txt?a=1&b=%20 HTTP/1.0\r\n"
              "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
              "Accept: */*\r\n"
              "\r\n");
}

struct ReplyCase {
    const char* name;
    std::string reply;       // what the server sends, then it closes
    std::string body;        // what HttpReadFile gives
    std::size_t readChunk;
    bool reset = false;      // close with a reset instead of a FIN
};
void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name; }


class Replies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(Replies, GiveTheBodyAsSentReadInChunksOfContentLength) {
    const ReplyCase& c = GetParam();
    ScriptedServer server([&](int fd, const std::string&) {
        ScriptedServer::Send(fd, c.reply);
        if (c.reset) ScriptedServer::Reset(fd);
    });
    const int socketsBefore = OpenSockets();
    ByteString body = HttpReadFile(server.Address("/f.txt").c_str());
    EXPECT_EQ(Body(body), c.body);
    EXPECT_EQ(LastFetchRecord().readChunk, c.readChunk);
    EXPECT_LE(LastFetchRecord().largestRead, c.readChunk);
    EXPECT_EQ(OpenSockets(), socketsBefore) << "a connection was left open";
}

const std::string kLong(250000, 'L');

INSTANTIATE_TEST_SUITE_P(Kinds, Replies, ::testing::Values(
    ReplyCase{"NoContentLength", Reply("200 OK", "", kLong), kLong, 10240},
    ReplyCase{"ContentLengthShorterThanBody", Reply("200 OK", "Content-Length: 3\r\n", "abcdef"), "abcdef", 4},
    ReplyCase{"ContentLengthLongerThanBody", Reply("200 OK", "Content-Length: 100\r\n", "abc"), "abc", 101},
    ReplyCase{"ContentLength102399", Reply("200 OK", "Content-Length: 102399\r\n", kLong), kLong, 102400},
    ReplyCase{"ContentLengthHuge", Reply("200 OK", "Content-Length: 18446744073709551616\r\n", "big"), "big", 102400},
    ReplyCase{"ContentLengthNegative", Reply("200 OK", "Content-Length: -5\r\n", "neg"), "neg", 10240},
    ReplyCase{"ContentLengthNotANumber", Reply("200 OK", "Content-Length: abc\r\n", "nan"), "nan", 10240},
    ReplyCase{"EmptyFile", Reply("200 OK", "Content-Length: 0\r\n", ""), "", 10240},
    ReplyCase{"ServerError", Reply("500 Internal Server Error", "Content-Length: 4\r\n", "oops"), "oops", 5},
    ReplyCase{"NotFoundPage", Reply("404 Not Found", "", "<html>404</html>"), "<html>404</html>", 10240},
    ReplyCase{"ZeroBytesKept", Reply("200 OK", "", std::string("ab\0cd", 5)), std::string("ab\0cd", 5), 10240},
    ReplyCase{"ResetMidBody", Reply("200 OK", "Content-Length: 1000\r\n", "part"), "part", 1001, true},
    ReplyCase{"ChunkedBrokenMidChunk", Reply("200 OK", "Transfer-Encoding: chunked\r\n", "5\r\nhello\r\n9\r\nwor"),
              "hellowor", 10240},
    ReplyCase{"GarbageInsteadOfStatusLine", "garbage garbage\r\n\r\n", "", 10240}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HttpReadFile, RedirectsAreFollowedToHttpOnly) {
    ScriptedServer server([](int fd, const std::string& request) {
        if (request.starts_with("GET /from ")) ScriptedServer::Send(fd, Reply("302 Found", "Location: /to\r\n", "moved"));
        else if (request.starts_with("GET /to ")) ScriptedServer::Send(fd, Reply("200 OK", "", "arrived"));
        else if (request.starts_with("GET /file ")) ScriptedServer::Send(fd, Reply("302 Found", "Location: file:///etc/passwd\r\n", "no"));
        else if (request.starts_with("GET /loop ")) ScriptedServer::Send(fd, Reply("302 Found", "Location: /loop\r\n", "again"));
    });
    EXPECT_EQ(Body(HttpReadFile(server.Address("/from").c_str())), "arrived");
    EXPECT_EQ(Body(HttpReadFile(server.Address("/file").c_str())), "");
    EXPECT_EQ(Body(HttpReadFile(server.Address("/loop").c_str())), "");
}

struct FailureCase {
    const char* name;
    std::string address;
    bool sent;  // whether a request went to the network
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }


class Failures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Failures, GiveTheEmptyByteString) {
    ByteString body = HttpReadFile(GetParam().address.c_str());
    EXPECT_TRUE(body.empty());
    EXPECT_EQ(LastFetchRecord().requestSent, GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(Table, Failures, ::testing::Values(
    FailureCase{"Empty", "", false},
    FailureCase{"NotAnAddress", "not an address", false},
    FailureCase{"OtherScheme", "ftp://127.0.0.1/eyy/1.txt", false},
    FailureCase{"FileScheme", "file:///etc/hostname", false},
    FailureCase{"HostTooLong", "http://" + std::string(256, 'h') + "/x", false},
    FailureCase{"PathTooLong", "http://127.0.0.1/" + std::string(2048, 'p'), false},
    FailureCase{"UserTooLong", "http://" + std::string(128, 'u') + "@127.0.0.1/x", false},
    FailureCase{"PasswordTooLong", "http://u:" + std::string(128, 'w') + "@127.0.0.1/x", false},
    FailureCase{"HostDoesNotResolve", "http://nowhere.invalid/eyy/1.txt", true},
    FailureCase{"ConnectionRefused", "http://127.0.0.1:1/eyy/1.txt", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HttpReadFile, NullAddressSendsNothing) {
    EXPECT_TRUE(HttpReadFile(nullptr).empty());
    EXPECT_FALSE(LastFetchRecord().requestSent);
}

TEST(HttpReadFile, TheSharedStateOpensOnceAndTheServerMayComeAndGo) {
    ContentServer nginx(8080);
    nginx.Put("/eyy/1.txt", "one");
    const std::string address = nginx.Base() + "/eyy/1.txt";
    EXPECT_TRUE(HttpReadFile(address.c_str()).empty());  // not there yet
    nginx.Start();
    EXPECT_EQ(Body(HttpReadFile(address.c_str())), "one");
    nginx.Stop();
    EXPECT_TRUE(HttpReadFile(address.c_str()).empty());
    nginx.Start();
    EXPECT_EQ(Body(HttpReadFile(address.c_str())), "one");
    EXPECT_EQ(SharedInternetHandleOpenCount(), 1);
    EXPECT_EQ(nginx.Requests(), (std::vector<std::string>{"GET /eyy/1.txt HTTP/1.0", "GET /eyy/1.txt HTTP/1.0"}));
}

TEST(HttpReadFile, AStallEndsWithTheBytesSoFar) {
    ScriptedServer server([](int fd, const std::string&) {
        ScriptedServer::Send(fd, Reply("200 OK", "Content-Length: 100\r\n", "first"));
        std::this_thread::sleep_for(std::chrono::seconds(33));  // nothing more
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Body(HttpReadFile(server.Address("/slow").c_str())), "first");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::seconds(29));
    EXPECT_LT(took, std::chrono::seconds(33));
}

TEST(HttpReadFile, A256MiBBodyArrivesWhole) {
    ContentServer nginx(8080);
    std::string big(256u << 20, '\0');
    for (std::size_t i = 0; i < big.size(); i += 4096) big[i] = static_cast<char>('a' + (i / 4096) % 26);
    nginx.Put("/big.bin", big);
    nginx.Start();
    ByteString body = HttpReadFile((nginx.Base() + "/big.bin").c_str());
    ASSERT_EQ(body.size(), big.size());
    EXPECT_EQ(std::memcmp(body.data(), big.data(), big.size()), 0);
    EXPECT_EQ(LastFetchRecord().readChunk, 102400u);
}

TEST(HttpReadFile, MemoryThatCannotBeHadForTheBodyIsFatal) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs far more address space than the limit leaves";
#endif
    ContentServer nginx(8080);
    nginx.Put("/huge.bin", std::string(600u << 20, 'h'));
    nginx.Start();
    int err[2];
    ASSERT_EQ(pipe(err), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(err[1], 2);
        rlimit limit{512u << 20, 512u << 20};
        setrlimit(RLIMIT_AS, &limit);
        HttpReadFile((nginx.Base() + "/huge.bin").c_str());
        _exit(0);
    }
    close(err[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    int status = 0;
    waitpid(child, &status, 0);
    ExpectOutOfMemoryEnd(status, text);
}

}  // namespace
}  // namespace vantelo::test
