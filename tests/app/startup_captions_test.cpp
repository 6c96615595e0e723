// The five captions at start: fetched from a real nginx on the content server's
// address, one after another, before the window is first shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/shell.h"
#include "tests/support/content_server.h"
#include "tests/support/desktop.h"
#include "tests/support/scripted_server.h"

namespace vantelo::test {
namespace {

std::string Shown(const char* name) {
    return gtk_label_get_text(GTK_LABEL(gtk_bin_get_child(GTK_BIN(FindControl(name)->widget))));
}

std::vector<std::string> CaptionsWhenMapped;

void RecordCaptionsOnMap(GtkWidget*, gpointer) {
    for (const char* n : {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5", "按钮6", "按钮7"}) CaptionsWhenMapped.push_back(Shown(n));
}

void LoadMainWindow() {
    SetBuildObserver([] {
        g_signal_connect(CurrentWindow()->window, "map", G_CALLBACK(RecordCaptionsOnMap), nullptr);
    });
    LoadWindow(MainWindowDescription());
    WaitUntilSettled(CurrentWindow()->window);
}

std::vector<std::string> CaptionRequests(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    for (const auto& line : log)
        if (line.find("/eyy/") != std::string::npos) out.push_back(line);
    return out;
}

TEST(StartupCaptions, AreTheFilesTextsExactlyAndShownFromTheFirstPaint) {
    ContentServer server;
    server.Put("/eyy/1.txt", "\xB5\xE7\xD3\xB0");                         // 电影 in GBK
    server.Put("/eyy/2.txt", std::string("ab\0cd", 5));                   // cut at the zero byte
    server.Put("/eyy/3.txt", "\xD7\xDB\xD2\xD5\r\n\xB6\xAF\xC2\xFE\r\n");  // 综艺 CR LF 动漫 CR LF
    server.Put("/eyy/4.txt", "  &Video  ");                               // blanks kept, V the access key
    server.Put("/eyy/5.txt", "ok\xFF" "fine");                            // not GBK in the middle
    server.Put("/index.html", "<html><body>home</body></html>");
    server.Start();
    StartDesktopAndShell();
    LoadMainWindow();

    EXPECT_EQ(FindControl("按钮1")->caption, "电影");
    EXPECT_EQ(FindControl("按钮2")->caption, "ab");
    EXPECT_EQ(FindControl("按钮3")->caption, "综艺\r\n动漫\r\n");
    EXPECT_EQ(FindControl("按钮4")->caption, "  &Video  ");
    EXPECT_EQ(Shown("按钮4"), "  Video  ");
    EXPECT_EQ(FindControl("按钮5")->caption, "ok\xEF\xBF\xBD" "fine");
    EXPECT_EQ(Shown("按钮6"), "查看更多资源");
    EXPECT_EQ(Shown("按钮7"), "Pemrik专版");
    EXPECT_EQ(CaptionsWhenMapped, (std::vector<std::string>{"电影", "ab", "综艺\r\n动漫\r\n", "  Video  ",
                                                           "ok\xEF\xBF\xBD" "fine", "查看更多资源", "Pemrik专版"}));
    EXPECT_EQ(CaptionRequests(server.Requests()),
              (std::vector<std::string>{"GET /eyy/1.txt HTTP/1.0", "GET /eyy/2.txt HTTP/1.0", "GET /eyy/3.txt HTTP/1.0",
                                        "GET /eyy/4.txt HTTP/1.0", "GET /eyy/5.txt HTTP/1.0"}));
}

TEST(StartupCaptions, WithTheServerUnreachableTheWindowComesUpWithFiveEmptyCaptions) {
    StartDesktopAndShell();
    LoadMainWindow();
    for (const char* n : {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5"}) EXPECT_EQ(Shown(n), "") << n;
    EXPECT_EQ(Shown("按钮6"), "查看更多资源");
    EXPECT_EQ(Shown("按钮7"), "Pemrik专版");
    EXPECT_EQ(std::count(CaptionsWhenMapped.begin(), CaptionsWhenMapped.end(), "Vantelo"), 0);
}

TEST(StartupCaptions, ANotFoundPageIsTheCaptionAndAnEmptyOneLeavesItBlank) {
    ContentServer server(80, "location = /eyy/3.txt { return 404; }\n"
                              "location = /eyy/5.txt { error_page 404 /empty-404.txt; return 404; }");
    server.Put("/empty-404.txt", "");
    for (int n : {1, 2, 4}) server.Put("/eyy/" + std::to_string(n) + ".txt", "caption " + std::to_string(n));
    server.Start();
    StartDesktopAndShell();
    LoadMainWindow();
    EXPECT_EQ(Shown("按钮1"), "caption 1");
    EXPECT_EQ(Shown("按钮2"), "caption 2");
    EXPECT_NE(FindControl("按钮3")->caption.find("404 Not Found"), std::string::npos);
    EXPECT_EQ(Shown("按钮4"), "caption 4");
    EXPECT_EQ(Shown("按钮5"), "");
}

TEST(StartupCaptions, AHugeCaptionIsCutByTheButtonNotRejected) {
    ContentServer server;
    server.Put("/eyy/1.txt", std::string(1 << 20, 'M'));
    server.Put("/eyy/2.txt", "two");
    server.Start();
    StartDesktopAndShell();
    LoadMainWindow();
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(FindControl("按钮1")->caption.size(), 1u << 20);
    GtkAllocation a;
    gtk_widget_get_allocation(FindControl("按钮1")->widget, &a);
    EXPECT_EQ(a.width, 80);
    EXPECT_EQ(a.height, 32);
    EXPECT_EQ(Shown("按钮2"), "two");
}

}  // namespace
}  // namespace vantelo::test
