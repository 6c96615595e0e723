// Long use: ten thousand fetches in one process, a thousand inputs queued behind
// slow fetches, and a body too large for the memory the process may have.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <mutex>
#include <vector>

#include "app/button_actions.h"
#include "app/controls.h"
#include "app/shell.h"
#include "app/startup_captions.h"
#include "remote/http_read_file.h"
#include "tests/support/content_server.h"
#include "tests/support/fatal_end.h"
#include "tests/support/desktop.h"
#include "tests/support/recording_window.h"
#include "tests/support/scripted_server.h"

namespace vantelo::test {
namespace {

// What the process holds: memory the allocator keeps free for reuse is given
// back first, so that only what is still in use counts.
long ResidentBytes() {
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void LoadMainWindow() {
    StartDesktopAndShell();
    LoadWindow(MainWindowDescription());
    WaitUntilSettled(CurrentWindow()->window);
}

TEST(Endurance, TenThousandFetchesLeaveTheResidentSizeFlat) {
    ContentServer server;
    for (int n = 1; n <= 5; ++n) {
        server.Put("/eyy/" + std::to_string(n) + ".txt", "caption \xB5\xE7\xD3\xB0 " + std::to_string(n));
        server.Put("/eyy/" + std::to_string(n) + "wangzhi.txt", "");
    }
    server.Put("/wangzhi.txt", "not a web address");
    server.Put("/index.html", "<html><head><title>Home</title></head></html>");
    server.Start();
    LoadMainWindow();
    int fetches = 5;
    long base = 0;
    for (int i = 0; fetches < 10000; ++i) {
        switch (i % 3) {
            case 0: OnMainWindowCreated(); fetches += 5; break;
            case 1: ClickButton(*FindControl(std::string("按钮") + std::to_string(1 + i % 5))); ++fetches; break;
            default: ClickButton(*FindControl("按钮6")); ++fetches; break;
        }
        if (i % 50 == 0) PumpFor(std::chrono::milliseconds(1));
        if (!base && fetches >= 100) {
            PumpFor(std::chrono::milliseconds(300));
            base = ResidentBytes();
        }
    }
    PumpFor(std::chrono::milliseconds(500));
    const long end = ResidentBytes();
    std::printf("| fetches | resident after 100 | resident after %d | growth |\n| %d | %.1f MiB | %.1f MiB | %+.2f MiB |\n",
                fetches, fetches, base / 1048576.0, end / 1048576.0, (end - base) / 1048576.0);
#if !defined(__SANITIZE_ADDRESS__)  // its quarantine keeps freed memory on purpose; it checks for leaks instead
    EXPECT_LT(end - base, 2L << 20);
#endif
    EXPECT_EQ(FindControl("按钮3")->caption, "caption 电影 3");
}

TEST(Endurance, AThousandInputsQueuedBehindSlowFetchesAreAllHandledInOrder) {
#if defined(__SANITIZE_ADDRESS__)
    // Slowed down several times over, the toolkit's keyboard activation of a
    // button (it holds a grab until the key's release is handled) can catch the
    // click queued 10 ms behind it; the order of handlers is the plain build's
    // to show, memory errors the sanitized build's.
    GTEST_SKIP() << "timing-bound; run in the plain build";
#endif
    std::mutex mutex;
    std::vector<int> served;  // the address file each request asked for, in order
    ScriptedServer server(
        [&](int fd, const std::string& request) {
            const auto at = request.find("wangzhi.txt");
            if (at != std::string::npos) {
                std::this_thread::sleep_for(std::chrono::milliseconds(served.empty() ? 1500 : 30));
                std::lock_guard<std::mutex> lock(mutex);
                served.push_back(request[at - 1] - '0');
            }
            ScriptedServer::Send(fd, Reply("200 OK", "", ""));
        },
        80);
    LoadMainWindow();
    // 500 clicks on the five link buttons in turn, each followed by Space on the
    // button it focused: 1000 inputs, each to run its handler once. They come
    // every 10 ms, a key held 10 ms, far faster than the 30 ms fetches they
    // start, so they pile up behind them. (Inputs stamped with the very same
    // millisecond, which no person makes, can reach the toolkit's buttons in a
    // muddle; that is not what this measures.)
    std::vector<int> expected;
    QueueClickOn(FindControl("按钮1")->widget);
    expected.push_back(1);
    usleep(100'000);  // the first handler is under way: everything after it queues
    QueueKey(GDK_KEY_space, 10);
    expected.push_back(1);
    for (int i = 1; i < 500; ++i) {
        const int n = 1 + i % 5;
        usleep(10'000);
        QueueClickOn(FindControl(std::string("按钮") + std::to_string(n))->widget);
        usleep(10'000);
        QueueKey(GDK_KEY_space, 10);
        expected.insert(expected.end(), {n, n});
    }
    PumpUntil([&] {
        std::lock_guard<std::mutex> lock(mutex);
        return served.size() >= expected.size();
    }, std::chrono::seconds(120));
    PumpFor(std::chrono::milliseconds(500));
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(served, expected);
    std::printf("| inputs queued | handled | in order |\n| %zu | %zu | %s |\n", expected.size(), served.size(),
                served == expected ? "yes" : "no");
}

// Reads what the fatal error box says, from inside the process that shows it.
void ReportDialogText(GtkWidget* widget, gpointer fd) {
    if (GTK_IS_LABEL(widget) && std::string(gtk_widget_get_name(widget)) == "fatal-error-text") {
        const std::string text = gtk_label_get_text(GTK_LABEL(widget));
        write(GPOINTER_TO_INT(fd), text.data(), text.size());
    } else if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(GTK_CONTAINER(widget), ReportDialogText, fd);
    }
}

TEST(Endurance, AHugeBodyUnderALoweredMemoryLimitEndsInTheFatalBoxWith255) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs far more address space than the limit leaves";
#endif
    ContentServer server;
    server.Put("/huge.bin", std::string(1200u << 20, 'h'));
    server.Start();
    StartDesktop();
    int pipe_fds[2];
    ASSERT_EQ(pipe2(pipe_fds, O_CLOEXEC), 0);  // the engine's own processes must not hold it open
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_fds[0]);
        StartShell();
        LoadWindow(RecordingDescription());
        WaitUntilSettled(CurrentWindow()->window);
        const int fd = pipe_fds[1];
        g_signal_add_emission_hook(g_signal_lookup("map", GTK_TYPE_WIDGET), 0,
                                   +[](GSignalInvocationHint*, guint, const GValue* values, gpointer fd) -> gboolean {
                                       GtkWidget* w = GTK_WIDGET(g_value_get_object(&values[0]));
                                       if (GTK_IS_DIALOG(w) && std::string(gtk_window_get_title(GTK_WINDOW(w))) == "错误") {
                                           ReportDialogText(w, fd);
                                           close(GPOINTER_TO_INT(fd));
                                       }
                                       return TRUE;
                                   },
                                   GINT_TO_POINTER(fd), nullptr);
        // Room for what the process has now and 512 MiB more: the body will not fit.
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (512u << 20);
        rlimit r{limit, limit};
        setrlimit(RLIMIT_AS, &r);
        HttpReadFile((server.Base() + "/huge.bin").c_str());
        _exit(0);  // not reached
    }
    close(pipe_fds[1]);
    std::string text;
    char buffer[256];
    for (int waited = 0; waited < 600; ++waited) {
        pollfd p{pipe_fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = read(pipe_fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    usleep(300'000);
    PressKey(GDK_KEY_Return);
    int status = 0;
    for (int i = 0; i < 500 && waitpid(child, &status, WNOHANG) == 0; ++i) usleep(20'000);
    ExpectOutOfMemoryEnd(status, text);
}

}  // namespace
}  // namespace vantelo::test
