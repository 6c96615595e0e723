// Every button as a user clicks it: link buttons fetch their address file anew
// and send the BrowserBox there; the other two hand an address to the default
// browser, which here is a recording stand-in found by the desktop's own lookup.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "app/controls.h"
#include "app/shell.h"
#include "tests/support/content_server.h"
#include "tests/support/desktop.h"
#include "tests/support/page.h"
#include "tests/support/recording_browser.h"
#include "tests/support/scripted_server.h"
#include "web/browser_view.h"

namespace vantelo::test {
namespace {

std::string Page(const std::string& title) { return "<html><head><title>" + title + "</title></head></html>"; }

GtkWidget* Button(const char* name) { return FindControl(name)->widget; }

void LoadMainWindow() {
    StartDesktopAndShell();
    LoadWindow(MainWindowDescription());
    WaitUntilSettled(CurrentWindow()->window);
}

int Count(const std::vector<std::string>& log, const std::string& line) {
    int n = 0;
    for (const auto& l : log) n += l == line;
    return n;
}

class Buttons : public ::testing::Test {
protected:
    ContentServer server;
    RecordingBrowser browser;
    void SetUp() override {
        server.Put("/index.html", Page("Home"));
        for (int n = 1; n <= 5; ++n) {
            const std::string s = std::to_string(n);
            server.Put("/eyy/" + s + ".txt", "link " + s);
            server.Put("/eyy/" + s + "wangzhi.txt", "http://127.0.0.1/p" + s + ".html");
            server.Put("/p" + s + ".html", Page("page " + s));
        }
        server.Put("/eyy/3.txt", "&Go");
        server.Put("/wangzhi.txt", "http://127.0.0.1/more.html\r\n");
        server.Start();
        LoadMainWindow();
    }
};

TEST_F(Buttons, ALinkButtonFetchesItsAddressFileOnEveryClickAndTheBoxGoesThere) {
    ClickWidget(Button("按钮2"));
    EXPECT_TRUE(WaitForTitle(BoxView(), "page 2"));
    ClickWidget(Button("按钮2"));
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(Count(server.Requests(), "GET /eyy/2wangzhi.txt HTTP/1.0"), 2);
    EXPECT_TRUE(PumpUntil([&] { return Count(server.Requests(), "GET /p2.html HTTP/1.1") == 2; }));

    // The server changes the file: the next click follows it; the caption stays.
    server.Put("/eyy/2wangzhi.txt", "http://127.0.0.1/p4.html");
    ClickWidget(Button("按钮2"));
    EXPECT_TRUE(WaitForTitle(BoxView(), "page 4"));
    EXPECT_EQ(FindControl("按钮2")->caption, "link 2");
}

TEST_F(Buttons, SpaceAndTheAccessKeyClickToo) {
    PressKey(GDK_KEY_g, GDK_MOD1_MASK);  // 按钮3's caption is "&Go"
    EXPECT_TRUE(WaitForTitle(BoxView(), "page 3"));
    PressKey(GDK_KEY_space);             // 按钮1 has the focus
    EXPECT_TRUE(WaitForTitle(BoxView(), "page 1"));
}

TEST_F(Buttons, MoreResourcesHandsTheFetchedTextOnAndTheEditionButtonTheForum) {
    ClickWidget(Button("按钮6"));
    ASSERT_TRUE(browser.WaitFor(1));
    ClickWidget(Button("按钮7"));
    ClickWidget(Button("按钮7"));
    ASSERT_TRUE(browser.WaitFor(3));
    EXPECT_EQ(browser.Received(), (std::vector<std::string>{"http://127.0.0.1/more.html\r\n",
                                                             "http://forum.vantelo.example/",
                                                             "http://forum.vantelo.example/"}));
    EXPECT_EQ(Count(server.Requests(), "GET /wangzhi.txt HTTP/1.0"), 1);
    EXPECT_EQ(FindControl("超文本浏览框1")->browser->address(), "http://127.0.0.1");  // the box stays
}

TEST_F(Buttons, OnlyWebAddressesReachTheDesktop) {
    for (const std::string& text : {std::string("file:///etc/passwd"), std::string("javascript:alert(1)"),
                                    std::string("/usr/bin/xterm"), std::string("xterm.desktop"),
                                    std::string("/usr/share/applications/recording-browser.desktop"),
                                    std::string(""), std::string("\xB5\xE7\xD3\xB0")}) {
        server.Put("/wangzhi.txt", text);
        ClickWidget(Button("按钮6"));
    }
    server.Put("/wangzhi.txt", "HTTPS://secure.example/");
    ClickWidget(Button("按钮6"));
    ASSERT_TRUE(browser.WaitFor(1));
    PumpFor(std::chrono::milliseconds(500));
    EXPECT_EQ(browser.Received(), std::vector<std::string>{"HTTPS://secure.example/"});
    EXPECT_EQ(Count(server.Requests(), "GET /wangzhi.txt HTTP/1.0"), 8);
}

TEST(ButtonsUnreachable, LinkButtonsWriteTheEmptyTextMoreOpensNothingTheForumStillOpens) {
    RecordingBrowser browser;
    LoadMainWindow();
    ClickWidget(Button("按钮1"));
    EXPECT_EQ(FindControl("超文本浏览框1")->browser->address(), "");
    ClickWidget(Button("按钮6"));
    ClickWidget(Button("按钮7"));
    ASSERT_TRUE(browser.WaitFor(1));
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(browser.Received(), std::vector<std::string>{"http://forum.vantelo.example/"});
}

TEST(ButtonsBehindASlowFetch, ClicksQueueAndRunAfterwardsInOrderNoneLostOrMerged) {
    std::vector<std::string> order;
    ScriptedServer server(
        [&](int fd, const std::string& request) {
            const std::string line = request.substr(0, request.find("\r\n"));
            if (line.find("1wangzhi") != std::string::npos) std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            const auto n = line.find("wangzhi");
            const std::string body = n == std::string::npos ? "" : "http://127.0.0.1/p" + line.substr(n - 1, 1) + ".html";
            ScriptedServer::Send(fd, Reply("200 OK", "", line.find(".html") != std::string::npos ? Page(line) : body));
        },
        80);
    LoadMainWindow();
    QueueClickOn(Button("按钮1"));
    usleep(100'000);  // a person's pace: the first click's handler is under way before the next arrive
    QueueClickOn(Button("按钮2"));
    QueueClickOn(Button("按钮3"));
    QueueClickOn(Button("按钮3"));
    PumpUntil([&] {
        int n = 0;
        for (const auto& r : server.Requests()) n += r.find("wangzhi") != std::string::npos;
        return n == 4;
    });
    PumpFor(std::chrono::milliseconds(300));
    std::vector<std::string> clicks;
    for (const auto& r : server.Requests())
        if (r.find("wangzhi") != std::string::npos) clicks.push_back(r.substr(0, r.find(" HTTP")));
    EXPECT_EQ(clicks, (std::vector<std::string>{"GET /eyy/1wangzhi.txt", "GET /eyy/2wangzhi.txt",
                                                "GET /eyy/3wangzhi.txt", "GET /eyy/3wangzhi.txt"}));
    EXPECT_EQ(FindControl("超文本浏览框1")->browser->address(), "http://127.0.0.1/p3.html");
}

}  // namespace
}  // namespace vantelo::test
