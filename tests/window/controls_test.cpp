// The ten controls as the live widgets show them: places, sizes, texts,
// identifiers, stacking, and how captions behave in a button of fixed size.
#include <gtest/gtest.h>

#include <string>

#include "app/client_area.h"
#include "app/controls.h"
#include "app/fixed_size_label.h"
#include "app/shell.h"
#include "tests/support/desktop.h"
#include "tests/support/recording_window.h"

namespace vantelo::test {
namespace {

struct Expected {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    const char* text;  // nullptr: not a text control
    int id;
    int zFromTop;  // 1 = topmost
};

const Expected kControls[] = {
    {"按钮7", ControlKind::Button, 648, 411, 88, 40, "Pemrik专版", 190, 1},
    {"标签2", ControlKind::Label, 0, 384, 192, 24, "每晚12点软件按钮+网站同步更新", 180, 2},
    {"超文本浏览框1", ControlKind::HtmlViewer, -14, -1, 773, 385, nullptr, 170, 3},
    {"按钮6", ControlKind::Button, 544, 412, 80, 32, "查看更多资源", 160, 4},
    {"按钮5", ControlKind::Button, 425, 411, 95, 32, "Vantelo", 150, 5},
    {"标签1", ControlKind::Label, 2, 414, 62, 24, "26号更新：", 140, 6},
    {"按钮4", ControlKind::Button, 335, 411, 81, 32, "Vantelo", 130, 7},
    {"按钮3", ControlKind::Button, 247, 411, 81, 32, "Vantelo", 120, 8},
    {"按钮2", ControlKind::Button, 160, 411, 80, 32, "Vantelo", 110, 9},
    {"按钮1", ControlKind::Button, 72, 412, 80, 32, "Vantelo", 100, 10},
};

GtkWidget* LabelOf(Control* button) { return gtk_bin_get_child(GTK_BIN(button->widget)); }

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        StartDesktopAndShell();
        LoadRecordingWindow();
    }
};

TEST_F(Controls, StandAtTheirStoredPlacesWithTheirTextsIdentifiersAndStacking) {
    LiveWindow* live = CurrentWindow();
    GList* children = gtk_container_get_children(GTK_CONTAINER(live->clientArea));
    const int count = static_cast<int>(g_list_length(children));
    ASSERT_EQ(count, 10);
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        Control* c = FindControl(e.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->record->kind, e.kind);
        GtkAllocation a;
        gtk_widget_get_allocation(c->widget, &a);
        EXPECT_EQ(a.x, e.left);
        EXPECT_EQ(a.y, e.top);
        EXPECT_EQ(a.width, e.width);
        EXPECT_EQ(a.height, e.height);
        EXPECT_EQ(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(c->widget), kControlIdKey)), e.id);
        EXPECT_STREQ(gtk_widget_get_name(c->widget), e.name);
        EXPECT_TRUE(gtk_widget_get_visible(c->widget));
        EXPECT_TRUE(gtk_widget_is_sensitive(c->widget));
        // Drawn in the order they were made: the last made is on top.
        EXPECT_EQ(g_list_index(children, c->widget), count - e.zFromTop);
        if (e.kind == ControlKind::Button) {
            EXPECT_TRUE(GTK_IS_BUTTON(c->widget));
            EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(LabelOf(c))), e.text);
            EXPECT_TRUE(gtk_widget_get_can_focus(c->widget));
            AtkObject* acc = gtk_widget_get_accessible(c->widget);
            EXPECT_EQ(atk_object_get_role(acc), ATK_ROLE_PUSH_BUTTON);
            EXPECT_STREQ(atk_object_get_name(acc), e.text);
        } else if (e.kind == ControlKind::Label) {
            EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(c->widget)), e.text);
            EXPECT_FALSE(gtk_widget_get_can_focus(c->widget));
            EXPECT_EQ(gtk_widget_get_window(c->widget), gtk_widget_get_window(live->window));  // takes no click
            EXPECT_EQ(atk_object_get_role(gtk_widget_get_accessible(c->widget)), ATK_ROLE_LABEL);
            EXPECT_EQ(gtk_label_get_xalign(GTK_LABEL(c->widget)), 0.0f);
            EXPECT_EQ(gtk_label_get_yalign(GTK_LABEL(c->widget)), 0.5f);
            EXPECT_TRUE(gtk_label_get_single_line_mode(GTK_LABEL(c->widget)));
        } else {
            EXPECT_TRUE(gtk_widget_get_can_focus(c->widget));
        }
    }
    g_list_free(children);
}

TEST_F(Controls, CaptionsWrapBreakAndAreCutWithoutGrowingTheButton) {
    Control* b1 = FindControl("按钮1");
    Control* b4 = FindControl("按钮4");
    const std::string longText(2000, 'W');
    WriteCaption(*b1, Text(longText.data(), longText.size()));
    const std::string twoLines = "\xD7\xDB\xD2\xD5\r\n\xB6\xAF\xC2\xFE";  // 综艺 CR LF 动漫 in GBK
    WriteCaption(*b4, Text(twoLines.data(), twoLines.size()));
    PumpFor(std::chrono::milliseconds(200));
    for (Control* c : {b1, b4}) {
        GtkAllocation a;
        gtk_widget_get_allocation(c->widget, &a);
        EXPECT_EQ(a.width, c->record->width);
        EXPECT_EQ(a.height, c->record->height);
        // The caption's label never draws outside the button.
        GtkAllocation clip;
        gtk_widget_get_clip(LabelOf(c), &clip);
        EXPECT_GE(clip.x, a.x);
        EXPECT_LE(clip.x + clip.width, a.x + a.width);
        EXPECT_GE(clip.y, a.y);
        EXPECT_LE(clip.y + clip.height, a.y + a.height);
    }
    EXPECT_EQ(pango_layout_get_line_count(gtk_label_get_layout(GTK_LABEL(LabelOf(b4)))), 2);
    EXPECT_GT(pango_layout_get_line_count(gtk_label_get_layout(GTK_LABEL(LabelOf(b1)))), 2);
    EXPECT_EQ(gtk_label_get_justify(GTK_LABEL(LabelOf(b4))), GTK_JUSTIFY_CENTER);
    EXPECT_EQ(b4->caption, "综艺\r\n动漫");
}

TEST_F(Controls, AnAmpersandMarksTheAccessKeyAndAnEmptyTextGivesABlankWorkingButton) {
    Control* b5 = FindControl("按钮5");
    WriteCaption(*b5, Text::FromCString("&Video && more"));
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(LabelOf(b5))), "Video & more");
    EXPECT_EQ(gtk_label_get_mnemonic_keyval(GTK_LABEL(LabelOf(b5))), static_cast<guint>(GDK_KEY_v));

    Control* b2 = FindControl("按钮2");
    WriteCaption(*b2, Text());
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(LabelOf(b2))), "");
    HandlerLog().clear();
    ClickWidget(b2->widget);
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"按钮2"});
}

}  // namespace
}  // namespace vantelo::test
