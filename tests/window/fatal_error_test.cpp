// The fatal error box: its look, and the end of a program whose window cannot be built.
#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <string>

#include "app/fatal_error.h"
#include "app/shell.h"
#include "tests/support/desktop.h"

namespace vantelo::test {
namespace {

TEST(FatalErrorDialog, HasTheTitleTheErrorIconTheTextAndOneOkButton) {
    StartDesktopAndShell();
    const std::string text = FatalErrorText(kLoadWindowFailed);
    GtkWidget* dialog = BuildFatalErrorDialog(text);
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(dialog)), "错误");
    EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(dialog)), nullptr);
    std::string shown, icon;
    int buttons = 0;
    std::function<void(GtkWidget*)> walk = [&](GtkWidget* w) {
        const char* name = gtk_widget_get_name(w);
        if (GTK_IS_LABEL(w) && std::string(name) == "fatal-error-text") shown = gtk_label_get_text(GTK_LABEL(w));
        if (GTK_IS_IMAGE(w)) {
            const char* n = nullptr;
            gtk_image_get_icon_name(GTK_IMAGE(w), &n, nullptr);
            if (n) icon = n;
        }
        if (GTK_IS_BUTTON(w)) ++buttons;
        if (GTK_IS_CONTAINER(w)) {
            GList* children = gtk_container_get_children(GTK_CONTAINER(w));
            for (GList* l = children; l; l = l->next) walk(GTK_WIDGET(l->data));
            g_list_free(children);
        }
    };
    walk(dialog);
    EXPECT_EQ(shown, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    EXPECT_EQ(icon, "dialog-error");
    EXPECT_EQ(buttons, 1);
    EXPECT_NE(gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK), nullptr);
    gtk_widget_destroy(dialog);
}

// Looks for a mapped top-level window with this title among the window manager's clients.
bool WindowTitled(Display* d, const std::string& title) {
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_CLIENT_LIST", False), 0, 1024, False,
                           XA_WINDOW, &type, &format, &n, &after, &data) == Success && data) {
        auto* windows = reinterpret_cast<Window*>(data);
        for (unsigned long i = 0; i < n && !found; ++i) {
            unsigned char* name = nullptr;
            unsigned long len;
            if (XGetWindowProperty(d, windows[i], XInternAtom(d, "_NET_WM_NAME", False), 0, 256, False,
                                   XInternAtom(d, "UTF8_STRING", False), &type, &format, &len, &after,
                                   &name) == Success && name) {
                found = title == reinterpret_cast<char*>(name);
                XFree(name);
            }
        }
        XFree(data);
    }
    return found;
}

TEST(FatalError, AWindowThatCannotBeBuiltShowsTheBoxAndExitsWith255AfterOk) {
    StartDesktop();
    const pid_t child = fork();
    if (child == 0) {
        StartShell();
        static ControlRecord broken[] = {{static_cast<ControlKind>(99), "broken", 0, 0, 10, 10}};
        WindowDescription description = MainWindowDescription();
        description.controls = broken;
        LoadWindow(description);
        _exit(0);  // not reached: the load is fatal
    }
    Display* d = XOpenDisplay(DisplayName().c_str());
    bool shown = false;
    for (int i = 0; i < 500 && !(shown = WindowTitled(d, "错误")); ++i) usleep(20'000);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(WindowTitled(d, "Vantelo软件"));
    usleep(300'000);
    PressKey(GDK_KEY_Return);  // OK has the focus
    int status = 0;
    for (int i = 0; i < 500 && waitpid(child, &status, WNOHANG) == 0; ++i) usleep(20'000);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 255);
    XCloseDisplay(d);
}

}  // namespace
}  // namespace vantelo::test
