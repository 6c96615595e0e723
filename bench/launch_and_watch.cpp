// Starts a program and reports, on the same clock, when it was started and when
// its first top-level window was mapped, as seen in the X server's own events
// (the root window's SubstructureNotify), not by polling. The program is left
// running; its process id is printed for the caller to measure and end it.
//
// usage: launch_and_watch COMMAND [ARGS...]
// prints: pid=N exec_ms=T map_ms=T   (T in milliseconds of the realtime clock)
#include <X11/Xlib.h>
#include <time.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <sys/types.h>
#include <cstdlib>

namespace {
double NowMs() {
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 3;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    fcntl(ConnectionNumber(d), F_SETFD, FD_CLOEXEC);
    const double exec_ms = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        // The X connection is the parent's (close-on-exec); the child leaves it alone.
        // Its output (and that of whatever it starts) must not hold ours open.
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double map_ms = -1;
    const double deadline = exec_ms + 60000;
    while (map_ms < 0 && NowMs() < deadline) {
        if (!XPending(d)) {
            usleep(200);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != MapNotify) continue;
        XWindowAttributes a;
        // A real window (a frame the window manager made for it, or the window
        // itself), not a small helper.
        if (XGetWindowAttributes(d, e.xmap.window, &a) && a.width >= 200 && a.height >= 200 && !a.override_redirect)
            map_ms = NowMs();
    }
    std::printf("pid=%d exec_ms=%.3f map_ms=%.3f\n", pid, exec_ms, map_ms);
    return map_ms < 0 ? 1 : 0;
}
