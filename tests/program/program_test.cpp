// The built program itself, started as a user starts it and used through the
// X server only: its window, its keys, its exit status and what it prints.
#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/content_server.h"
#include "tests/support/desktop.h"

namespace vantelo::test {
namespace {

struct Program {
    pid_t pid = 0;
    std::string errors;  // the file its standard error goes to
};

Program Start(const std::vector<std::string>& args = {}, bool withDisplay = true) {
    static int count = 0;
    Program p;
    p.errors = "/tmp/vantelo-program-" + std::to_string(getpid()) + "-" + std::to_string(++count) + ".err";
    p.pid = fork();
    if (p.pid == 0) {
        const int err = open(p.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(err, 2);
        if (!withDisplay) unsetenv("DISPLAY");
        std::vector<char*> argv{const_cast<char*>(VANTELO_BINARY)};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(VANTELO_BINARY, argv.data());
        _exit(127);
    }
    return p;
}

int Wait(const Program& p, int seconds = 20) {
    int status = 0;
    for (int i = 0; i < seconds * 50; ++i) {
        if (waitpid(p.pid, &status, WNOHANG) == p.pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1000;
        usleep(20'000);
    }
    kill(p.pid, SIGKILL);
    waitpid(p.pid, &status, 0);
    return -2000;
}

std::string Read(const std::string& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Display* X() {
    static Display* d = XOpenDisplay(DisplayName().c_str());
    return d;
}

long Cardinal(Window w, const char* property, int index = 0) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    long value = -1;
    if (XGetWindowProperty(X(), w, XInternAtom(X(), property, False), 0, 16, False, AnyPropertyType, &type, &format,
                           &n, &after, &data) == Success && data && static_cast<int>(n) > index)
        value = reinterpret_cast<long*>(data)[index];
    if (data) XFree(data);
    return value;
}

// The program's managed top-level windows, by its process id.
std::vector<Window> WindowsOf(pid_t pid) {
    std::vector<Window> found;
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(X(), DefaultRootWindow(X()), XInternAtom(X(), "_NET_CLIENT_LIST", False), 0, 1024, False,
                           XA_WINDOW, &type, &format, &n, &after, &data) == Success && data) {
        auto* windows = reinterpret_cast<Window*>(data);
        for (unsigned long i = 0; i < n; ++i)
            if (Cardinal(windows[i], "_NET_WM_PID") == pid && Cardinal(windows[i], "_NET_FRAME_EXTENTS", 3) >= 0)
                found.push_back(windows[i]);
        XFree(data);
    }
    return found;
}

Window WaitForWindow(pid_t pid) {
    for (int i = 0; i < 1000; ++i) {
        auto w = WindowsOf(pid);
        if (!w.empty()) {
            usleep(300'000);  // let it settle and take the focus
            return w.front();
        }
        usleep(20'000);
    }
    return 0;
}

GdkRectangle Outer(Window w) {
    Window child;
    int x = 0, y = 0;
    XWindowAttributes a;
    XGetWindowAttributes(X(), w, &a);
    XTranslateCoordinates(X(), w, DefaultRootWindow(X()), 0, 0, &x, &y, &child);
    const int left = static_cast<int>(Cardinal(w, "_NET_FRAME_EXTENTS", 0));
    const int right = static_cast<int>(Cardinal(w, "_NET_FRAME_EXTENTS", 1));
    const int top = static_cast<int>(Cardinal(w, "_NET_FRAME_EXTENTS", 2));
    const int bottom = static_cast<int>(Cardinal(w, "_NET_FRAME_EXTENTS", 3));
    return GdkRectangle{x - left, y - top, a.width + left + right, a.height + top + bottom};
}

void ExpectNoToolkitWarnings(const Program& p) {
    const std::string errors = Read(p.errors);
    EXPECT_EQ(errors.find("CRITICAL"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("WARNING"), std::string::npos) << errors;
}

class TheProgram : public ::testing::Test {
protected:
    void SetUp() override { StartDesktop(); }
};

TEST_F(TheProgram, ShowsItsCentredWindowIgnoresItsArgumentsAndEndsWithZeroOnEsc) {
    Program p = Start({"--display=:4242", "--help", "--gtk-debug=all", "http://elsewhere.example/"});
    const Window w = WaitForWindow(p.pid);
    ASSERT_NE(w, 0u) << Read(p.errors);
    const GdkRectangle r = Outer(w);
    EXPECT_EQ(r.x, 136);
    EXPECT_EQ(r.y, 141);
    EXPECT_EQ(r.width, 752);
    EXPECT_EQ(r.height, 486);
    PressKey(GDK_KEY_Escape);
    EXPECT_EQ(Wait(p), 0);
    ExpectNoToolkitWarnings(p);
}

TEST_F(TheProgram, AltF4ThroughTheWindowManagerEndsWithZeroAndASecondStartIsIndependent) {
    Program first = Start();
    ASSERT_NE(WaitForWindow(first.pid), 0u);
    Program second = Start();
    ASSERT_NE(WaitForWindow(second.pid), 0u);
    PressKey(GDK_KEY_F4, GDK_MOD1_MASK);  // the window manager closes the active window: the second
    EXPECT_EQ(Wait(second), 0);
    EXPECT_EQ(WindowsOf(first.pid).size(), 1u);
    kill(first.pid, 0);
    EXPECT_EQ(waitpid(first.pid, nullptr, WNOHANG), 0);  // still running
    usleep(300'000);
    PressKey(GDK_KEY_F4, GDK_MOD1_MASK);
    EXPECT_EQ(Wait(first), 0);
    ExpectNoToolkitWarnings(first);
    ExpectNoToolkitWarnings(second);
}

TEST_F(TheProgram, WithoutADisplayWritesTheFatalTextAndEndsWith255) {
    Program p = Start({}, false);
    EXPECT_EQ(Wait(p), 255);
    EXPECT_EQ(Read(p.errors), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
}

bool Logged(const ContentServer& server, const std::string& line) {
    for (int i = 0; i < 1000; ++i) {
        for (const auto& r : server.Requests())
            if (r == line) return true;
        usleep(20'000);
    }
    return false;
}

TEST_F(TheProgram, ALoginCookieOutlivesARestart) {
    ContentServer server;
    server.Put("/index.html",
               "<html><head><title>Home</title></head><body><script>"
               "fetch('/report?cookie=' + encodeURIComponent(document.cookie));"
               "if (!document.cookie) document.cookie = 'login=yes; max-age=86400; path=/';"
               "</script></body></html>");
    server.Put("/report", "");
    server.Start();
    Program first = Start();
    ASSERT_NE(WaitForWindow(first.pid), 0u);
    ASSERT_TRUE(Logged(server, "GET /report?cookie= HTTP/1.1"));
    usleep(500'000);
    PressKey(GDK_KEY_Escape);
    ASSERT_EQ(Wait(first), 0);

    Program second = Start();
    ASSERT_NE(WaitForWindow(second.pid), 0u);
    EXPECT_TRUE(Logged(server, "GET /report?cookie=login%3Dyes HTTP/1.1"));
    PressKey(GDK_KEY_Escape);
    EXPECT_EQ(Wait(second), 0);
}

}  // namespace
}  // namespace vantelo::test
