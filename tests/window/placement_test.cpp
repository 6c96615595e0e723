// Where MainWindow comes up and what frame it has, on real X servers of several
// sizes, with and without a window manager.
#include <gtest/gtest.h>

#include <ostream>
#include <X11/Xatom.h>
#include <gdk/gdkx.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/shell.h"
#include "tests/support/desktop.h"
#include "tests/support/recording_window.h"

namespace vantelo::test {
namespace {

TEST(CentredOrigin, TruncatesTowardZero) {
    EXPECT_EQ(CentredOrigin(1024, 752), 136);
    EXPECT_EQ(CentredOrigin(768, 486), 141);
    EXPECT_EQ(CentredOrigin(640, 752), -56);
    EXPECT_EQ(CentredOrigin(480, 486), -3);
    EXPECT_EQ(CentredOrigin(1365, 752), 306);
    EXPECT_EQ(CentredOrigin(751, 752), 0);  // -0.5 truncates to 0, not -1
}

struct Screen {
    int width, height;
    bool windowManager;
    int x, y;
};
void PrintTo(const Screen& c, std::ostream* os) { *os << c.width << "x" << c.height << (c.windowManager ? " openbox" : " bare"); }


class Placement : public ::testing::TestWithParam<Screen> {};

TEST_P(Placement, OuterRectangleIsCentredAt752By486) {
    const Screen& s = GetParam();
    StartDesktopAndShell({s.width, s.height, s.windowManager});
    LoadRecordingWindow();
    GtkWidget* window = CurrentWindow()->window;
    // The window manager may settle the frame a little after the map.
    PumpUntil([&] { GdkRectangle r = OuterRectangle(window); return r.x == s.x && r.y == s.y && r.width == 752 && r.height == 486; },
              std::chrono::seconds(3));
    const GdkRectangle r = OuterRectangle(window);
    EXPECT_EQ(r.x, s.x);
    EXPECT_EQ(r.y, s.y);
    EXPECT_EQ(r.width, 752);
    EXPECT_EQ(r.height, 486);
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement, ::testing::Values(
    Screen{1024, 768, true, 136, 141},
    Screen{1365, 768, true, 306, 141},
    Screen{640, 480, false, -56, -3},
    Screen{751, 600, false, 0, 57}));

std::vector<std::string> AtomList(GtkWidget* window, const char* property) {
    GdkWindow* gdk = gtk_widget_get_window(window);
    Display* d = GDK_WINDOW_XDISPLAY(gdk);
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    std::vector<std::string> names;
    if (XGetWindowProperty(d, GDK_WINDOW_XID(gdk), XInternAtom(d, property, False), 0, 64, False, XA_ATOM, &type,
                           &format, &n, &after, &data) == Success && data) {
        auto* atoms = reinterpret_cast<Atom*>(data);
        for (unsigned long i = 0; i < n; ++i) {
            char* name = XGetAtomName(d, atoms[i]);
            names.emplace_back(name);
            XFree(name);
        }
        XFree(data);
    }
    return names;
}

bool Has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(Frame, TitleCloseAndMoveOnlyNotResizableOwnTaskbarEntry) {
    StartDesktopAndShell();
    LoadRecordingWindow();
    GtkWidget* window = CurrentWindow()->window;
    PumpUntil([&] { return !AtomList(window, "_NET_WM_ALLOWED_ACTIONS").empty(); });
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window)), "Vantelo软件");
    EXPECT_FALSE(gtk_window_get_resizable(GTK_WINDOW(window)));
    EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(window)), nullptr);
    EXPECT_FALSE(gtk_window_get_skip_taskbar_hint(GTK_WINDOW(window)));

    const auto actions = AtomList(window, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(Has(actions, "_NET_WM_ACTION_CLOSE"));
    EXPECT_TRUE(Has(actions, "_NET_WM_ACTION_MOVE"));
    EXPECT_FALSE(Has(actions, "_NET_WM_ACTION_RESIZE"));
    EXPECT_FALSE(Has(actions, "_NET_WM_ACTION_MAXIMIZE_HORZ"));
    EXPECT_FALSE(Has(actions, "_NET_WM_ACTION_MAXIMIZE_VERT"));
    // Openbox keeps its iconify button whatever a window asks; what the window
    // asks is in its Motif hints: move and close only, title, border and menu.
    GdkWindow* gdk = gtk_widget_get_window(window);
    GdkWMDecoration decorations;
    ASSERT_TRUE(gdk_window_get_decorations(gdk, &decorations));
    EXPECT_EQ(decorations, GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU);
    const auto state = AtomList(window, "_NET_WM_STATE");
    EXPECT_FALSE(Has(state, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_FALSE(Has(state, "_NET_WM_STATE_ABOVE"));

    // The client area is what the frame leaves of the outer size.
    const GdkRectangle outer = OuterRectangle(window);
    GtkAllocation client;
    gtk_widget_get_allocation(CurrentWindow()->clientArea, &client);
    int cx = 0, cy = 0;
    gdk_window_get_origin(gtk_widget_get_window(window), &cx, &cy);
    EXPECT_EQ(outer.width, 752);
    EXPECT_EQ(outer.height, 486);
    EXPECT_LT(client.width, 752);
    EXPECT_LT(client.height, 486);
    EXPECT_EQ(cx + client.width <= outer.x + outer.width, true);
    EXPECT_EQ(cy + client.height <= outer.y + outer.height, true);
}

}  // namespace
}  // namespace vantelo::test
