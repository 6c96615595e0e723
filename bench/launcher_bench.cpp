// The launcher's own figures, measured inside the program's code on loopback:
// a LinkButton click from the key event to the engine's request for the new
// address; HttpReadFile of 64 and 256 MiB next to curl's command line on the
// same body; the five start-up fetches. Prints one line per figure:
//   name: median min max (unit)
// usage: launcher_bench CONTENT_ROOT RUNS   (nginx serves CONTENT_ROOT on 127.0.0.1:80)
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/shell.h"
#include "app/startup_captions.h"
#include "remote/http_read_file.h"
#include "tests/support/desktop.h"
#include "tests/support/scripted_server.h"

using namespace vantelo;
using namespace vantelo::test;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Report(const char* name, std::vector<double> v, const char* unit) {
    std::sort(v.begin(), v.end());
    std::printf("%s: %.3f %.3f %.3f %s\n", name, v[v.size() / 2], v.front(), v.back(), unit);
    std::fflush(stdout);
}

double TimeCurl(const std::string& url) {
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execlp("curl", "curl", "-s", "--http1.0", "-o", "/dev/null", url.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    waitpid(pid, nullptr, 0);
    return Ms(Clock::now() - start);
}

double TimeFetch(const std::string& url, std::size_t expected) {
    const auto start = Clock::now();
    ByteString body = HttpReadFile(url.c_str());
    const double ms = Ms(Clock::now() - start);
    if (body.size() != expected) std::fprintf(stderr, "short body: %zu\n", body.size());
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string root = argv[1];
    const int runs = std::max(7, std::atoi(argv[2]));

    // The engine's request for the address a click writes: a page on a server
    // of our own that notes when each request arrives.
    std::atomic<int> arrived{0};
    std::atomic<Clock::rep> arrivedAt{0};
    ScriptedServer pages([&](int fd, const std::string&) {
        arrivedAt = Clock::now().time_since_epoch().count();
        ++arrived;
        ScriptedServer::Send(fd, Reply("200 OK", "Content-Type: text/html\r\n", "<html><title>p</title></html>"));
    });
    std::ofstream(root + "/eyy/1wangzhi.txt") << pages.Address("/page");

    StartShell();
    if (!DisplayAvailable()) return 3;
    LoadWindow(MainWindowDescription());
    WaitUntilSettled(CurrentWindow()->window);
    PumpFor(std::chrono::seconds(1));

    std::vector<double> click;
    for (int i = 0; i < runs * 3; ++i) {
        gtk_widget_grab_focus(FindControl("按钮1")->widget);
        PumpFor(std::chrono::milliseconds(50));
        const int before = arrived;
        const auto t0 = Clock::now();
        PressKey(GDK_KEY_space);  // the key event; the button clicks on its release
        PumpUntil([&] { return arrived > before; }, std::chrono::seconds(5));
        click.push_back(Ms(Clock::duration(arrivedAt.load()) - t0.time_since_epoch()));
        PumpFor(std::chrono::milliseconds(150));
    }
    Report("click_to_request", click, "ms");

    std::vector<double> startup;
    for (int i = 0; i < runs * 3; ++i) {
        const auto t0 = Clock::now();
        OnMainWindowCreated();
        startup.push_back(Ms(Clock::now() - t0));
    }
    Report("five_startup_fetches", startup, "ms");

    std::vector<double> f64, f256, c64;
    for (int i = 0; i < runs; ++i) {  // interleaved
        c64.push_back(TimeCurl("http://127.0.0.1/big64.bin"));
        f64.push_back(TimeFetch("http://127.0.0.1/big64.bin", 64u << 20));
        f256.push_back(TimeFetch("http://127.0.0.1/big256.bin", 256u << 20));
    }
    Report("fetch_64MiB", f64, "ms");
    Report("curl_64MiB", c64, "ms");
    Report("fetch_256MiB", f256, "ms");
    gtk_window_close(GTK_WINDOW(CurrentWindow()->window));
    RunMessageLoop();
    return 0;
}
