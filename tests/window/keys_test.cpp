// MainWindow's keys, sent as real key events: Tab and Shift+Tab through the tab
// order, Alt access keys, Enter and Space on a button, Esc.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/controls.h"
#include "app/shell.h"
#include "tests/support/desktop.h"
#include "tests/support/recording_window.h"

namespace vantelo::test {
namespace {

std::string FocusedControl() {
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(CurrentWindow()->window));
    for (auto& c : CurrentWindow()->controls) {
        if (focus == c->widget) return c->record->name;
        if (focus && gtk_widget_is_ancestor(focus, c->widget)) return std::string("inside ") + c->record->name;
    }
    return "";
}

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        StartDesktopAndShell();
        LoadRecordingWindow();
        PumpUntil([] { return gtk_window_is_active(GTK_WINDOW(CurrentWindow()->window)); });
        HandlerLog().clear();
    }
};

TEST_F(Keys, TabWalksTheTabOrderIntoThePageWhereItIsSwallowed) {
    EXPECT_EQ(FocusedControl(), "按钮1");
    const std::vector<std::string> expected = {"按钮2", "按钮3", "按钮4", "按钮5", "按钮6", "inside 超文本浏览框1",
                                               "inside 超文本浏览框1"};
    for (const std::string& name : expected) {
        PressKey(GDK_KEY_Tab);
        EXPECT_EQ(FocusedControl(), name);
    }
    PressKey(GDK_KEY_Tab, GDK_SHIFT_MASK);
    EXPECT_EQ(FocusedControl(), "inside 超文本浏览框1");
    EXPECT_TRUE(HandlerLog().empty());
}

TEST_F(Keys, TabAndShiftTabWrapAtBothEnds) {
    PressKey(GDK_KEY_Tab, GDK_SHIFT_MASK);
    EXPECT_EQ(FocusedControl(), "按钮7");
    PressKey(GDK_KEY_Tab);
    EXPECT_EQ(FocusedControl(), "按钮1");
    PressKey(GDK_KEY_Tab, GDK_SHIFT_MASK);
    PressKey(GDK_KEY_Tab, GDK_SHIFT_MASK);
    EXPECT_EQ(FocusedControl(), "inside 超文本浏览框1");
}

TEST_F(Keys, SpaceClicksTheFocusedButtonEnterArrowsAndF1DoNot) {
    PressKey(GDK_KEY_Return);
    PressKey(GDK_KEY_KP_Enter);
    PressKey(GDK_KEY_F1);
    PressKey(GDK_KEY_Right);
    EXPECT_TRUE(HandlerLog().empty());
    EXPECT_EQ(FocusedControl(), "按钮1");
    PressKey(GDK_KEY_space);
    PumpUntil([] { return !HandlerLog().empty(); }, std::chrono::seconds(2));
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"按钮1"});
}

TEST_F(Keys, AltClicksTheFirstStoredButtonCarryingTheKey) {
    WriteCaption(*FindControl("按钮4"), Text::FromCString("&Apple"));
    WriteCaption(*FindControl("按钮5"), Text::FromCString("&apricot"));
    WriteCaption(*FindControl("按钮2"), Text::FromCString("Top &9"));
    PressKey(GDK_KEY_a, GDK_MOD1_MASK);
    PressKey(GDK_KEY_9, GDK_MOD1_MASK);
    PressKey(GDK_KEY_z, GDK_MOD1_MASK);                    // nobody's key
    PressKey(GDK_KEY_a, GDK_MOD1_MASK | GDK_SHIFT_MASK);   // not with Shift
    PressKey(GDK_KEY_a, GDK_MOD1_MASK | GDK_CONTROL_MASK); // nor with Ctrl
    EXPECT_EQ(HandlerLog(), (std::vector<std::string>{"按钮5", "按钮2"}));
}

TEST_F(Keys, EscClosesTheWindowFromAnyControlAndTheLoopEndsWithZero) {
    PressKey(GDK_KEY_Tab, GDK_SHIFT_MASK);
    EXPECT_EQ(FocusedControl(), "按钮7");
    PressKey(GDK_KEY_Escape);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(CurrentWindow()->window, nullptr);
    EXPECT_TRUE(HandlerLog().empty());
}

TEST_F(Keys, EscClosesTheWindowWhileThePageHasTheFocus) {
    for (int i = 0; i < 6; ++i) PressKey(GDK_KEY_Tab);
    ASSERT_EQ(FocusedControl(), "inside 超文本浏览框1");
    PressKey(GDK_KEY_Escape);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(CurrentWindow()->window, nullptr);
}

TEST_F(Keys, FocusComesBackToTheLastFocusedControlOnReactivation) {
    PressKey(GDK_KEY_Tab);
    PressKey(GDK_KEY_Tab);
    ASSERT_EQ(FocusedControl(), "按钮3");
    GtkWidget* other = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_widget_show(other);
    PumpUntil([&] { return gtk_window_is_active(GTK_WINDOW(other)); });
    gtk_widget_destroy(other);
    gtk_window_present(GTK_WINDOW(CurrentWindow()->window));
    PumpUntil([] { return gtk_window_is_active(GTK_WINDOW(CurrentWindow()->window)); });
    EXPECT_EQ(FocusedControl(), "按钮3");
}

}  // namespace
}  // namespace vantelo::test
