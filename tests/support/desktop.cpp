#include "tests/support/desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "app/shell.h"

namespace vantelo::test {
namespace {

struct Processes {
    pid_t xserver = 0;
    pid_t windowManager = 0;
    std::string display;
    ~Processes() {
        for (pid_t pid : {windowManager, xserver}) {
            if (pid <= 0) continue;
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

Processes& Running() {
    static Processes processes;
    return processes;
}

Display* InputDisplay() {
    static Display* display = XOpenDisplay(Running().display.c_str());
    return display;
}

bool WindowManagerReady(Display* d) {
    Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    bool ready = XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, XA_WINDOW, &type, &format, &n,
                                    &after, &data) == Success && n == 1;
    if (data) XFree(data);
    return ready;
}

}  // namespace

void StartDesktop(const DesktopOptions& options) {
    Processes& p = Running();
    if (p.xserver) return;
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    const std::string screen = std::to_string(options.width) + "x" + std::to_string(options.height) + "x24";
    const std::string fd = std::to_string(fds[1]);
    p.xserver = fork();
    if (p.xserver == 0) {
        close(fds[0]);
        freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    ssize_t n = 0, got;
    while (n < 31 && (got = read(fds[0], buffer + n, 31 - n)) > 0) {
        n += got;
        if (buffer[n - 1] == '\n') break;
    }
    close(fds[0]);
    if (n <= 0) throw std::runtime_error("Xvfb did not start");
    p.display = ":" + std::string(buffer, buffer + n - (buffer[n - 1] == '\n' ? 1 : 0));
    setenv("DISPLAY", p.display.c_str(), 1);

    if (options.windowManager) {
        p.windowManager = fork();
        if (p.windowManager == 0) {
            freopen("/dev/null", "w", stderr);
            freopen("/dev/null", "w", stdout);
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        Display* d = InputDisplay();
        for (int i = 0; i < 500 && !WindowManagerReady(d); ++i) usleep(10'000);
        if (!WindowManagerReady(d)) throw std::runtime_error("openbox did not start");
    }
}

void StartDesktopAndShell(const DesktopOptions& options) {
    StartDesktop(options);
    StartShell();
    if (!DisplayAvailable()) throw std::runtime_error("the toolkit could not open the display");
}

const std::string& DisplayName() { return Running().display; }

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return done();
        if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void PumpFor(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
}

void SyncInput() {
    XSync(InputDisplay(), False);
    GdkDisplay* gdk = gdk_display_get_default();
    if (gdk) gdk_display_sync(gdk);
    PumpFor(std::chrono::milliseconds(30));
}

void PressKey(guint keyval, guint modifiers) {
    Display* d = InputDisplay();
    auto key = [&](KeySym sym, bool down) {
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), down, CurrentTime);
    };
    if (modifiers & GDK_CONTROL_MASK) key(XK_Control_L, true);
    if (modifiers & GDK_MOD1_MASK) key(XK_Alt_L, true);
    if (modifiers & GDK_SHIFT_MASK) key(XK_Shift_L, true);
    key(keyval, true);
    key(keyval, false);
    if (modifiers & GDK_SHIFT_MASK) key(XK_Shift_L, false);
    if (modifiers & GDK_MOD1_MASK) key(XK_Alt_L, false);
    if (modifiers & GDK_CONTROL_MASK) key(XK_Control_L, false);
    XFlush(d);
    SyncInput();
}

void ClickAt(int x, int y) {
    Display* d = InputDisplay();
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
    SyncInput();
}

namespace {
GdkPoint CentreOf(GtkWidget* widget) {
    GtkAllocation a;
    gtk_widget_get_allocation(widget, &a);
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(widget), &x, &y);
    if (gtk_widget_get_has_window(widget)) a.x = a.y = 0;
    return GdkPoint{x + a.x + a.width / 2, y + a.y + a.height / 2};
}
}  // namespace

void ClickWidget(GtkWidget* widget) {
    const GdkPoint p = CentreOf(widget);
    ClickAt(p.x, p.y);
}

void QueueClickOn(GtkWidget* widget) {
    const GdkPoint p = CentreOf(widget);
    Display* d = InputDisplay();
    XTestFakeMotionEvent(d, -1, p.x, p.y, CurrentTime);
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
}

void QueueKey(guint keyval, int holdMs) {
    Display* d = InputDisplay();
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, keyval), True, CurrentTime);
    XFlush(d);
    if (holdMs > 0) usleep(static_cast<useconds_t>(holdMs) * 1000);
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, keyval), False, CurrentTime);
    XFlush(d);
}

GdkRectangle OuterRectangle(GtkWidget* window) {
    GdkRectangle r{};
    gdk_window_get_frame_extents(gtk_widget_get_window(window), &r);
    return r;
}

bool MappedAndFramed(GtkWidget* window) {
    if (!gtk_widget_get_mapped(window)) return false;
    GdkWindow* gdk = gtk_widget_get_window(window);
    if (!gdk_window_is_viewable(gdk)) return false;
    GdkRectangle r = OuterRectangle(window);
    return r.width > 0;
}

}  // namespace vantelo::test

namespace vantelo::test {

void WaitUntilSettled(GtkWidget* window) {
    PumpUntil([&] { return MappedAndFramed(window); });
    PumpUntil([&] { return gtk_window_is_active(GTK_WINDOW(window)); }, std::chrono::seconds(3));
    GdkRectangle last = OuterRectangle(window);
    int still = 0;
    PumpUntil([&] {
        const GdkRectangle now = OuterRectangle(window);
        still = (now.x == last.x && now.y == last.y && now.width == last.width && now.height == last.height) ? still + 1 : 0;
        last = now;
        PumpFor(std::chrono::milliseconds(20));
        return still >= 5;
    }, std::chrono::seconds(5));
}

}  // namespace vantelo::test
