// The load of MainWindow step by step: built hidden, controls made in reverse
// stored order while events are held, the created handler run before the show.
#include <gtest/gtest.h>

#include "app/controls.h"
#include "app/shell.h"
#include "tests/support/desktop.h"
#include "tests/support/recording_window.h"

namespace vantelo::test {
namespace {

TEST(Load, ClicksDuringTheBuildReachNoHandlerAndAreNotReplayed) {
    StartDesktopAndShell();
    int holdDuringBuild = -1;
    SetBuildObserver([&] {
        holdDuringBuild = EventHoldCount();
        ClickButton(*FindControl("按钮1"));
        ClickButton(*FindControl("按钮7"));
    });
    LoadRecordingWindow();
    EXPECT_EQ(holdDuringBuild, 1);
    EXPECT_EQ(EventHoldCount(), 0);
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"created"});
    // Once shown, clicks arrive.
    ClickWidget(FindControl("按钮7")->widget);
    EXPECT_EQ(HandlerLog(), (std::vector<std::string>{"created", "按钮7"}));
}

TEST(Load, TheCreatedHandlerRunsOnceWhileHiddenWithEveryControlThenTheWindowShowsFocusedOnButton1) {
    StartDesktopAndShell();
    LoadWindow(RecordingDescription());
    EXPECT_TRUE(CreatedWhileHiddenWithControls());
    EXPECT_TRUE(gtk_widget_get_visible(CurrentWindow()->window));
    EXPECT_EQ(gtk_window_get_focus(GTK_WINDOW(CurrentWindow()->window)), FindControl("按钮1")->widget);
    PumpUntil([] { return MappedAndFramed(CurrentWindow()->window); });
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"created"});
}

TEST(Load, ClosingByTheWindowManagerEndsTheLoopWithZero) {
    StartDesktopAndShell();
    LoadRecordingWindow();
    // What the title bar's close button does: the window manager asks the window to close.
    GdkWindow* gdk = gtk_widget_get_window(CurrentWindow()->window);
    GdkEvent* close = gdk_event_new(GDK_DELETE);
    close->any.window = GDK_WINDOW(g_object_ref(gdk));
    close->any.send_event = TRUE;
    gtk_main_do_event(close);
    gdk_event_free(close);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(CurrentWindow()->window, nullptr);
}

}  // namespace
}  // namespace vantelo::test
