// The BrowserBox as a user meets it: a live WebKitGTK view of the service,
// against a real nginx on the content server's address.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/client_area.h"
#include "app/controls.h"
#include "app/shell.h"
#include "tests/support/content_server.h"
#include "tests/support/desktop.h"
#include "tests/support/page.h"
#include "web/browser_view.h"
#include "web/page_windows.h"
#include "web/render_workaround.h"

namespace vantelo::test {
namespace {

std::string Page(const std::string& title, const std::string& body = "") {
    return "<!DOCTYPE html><html><head><meta charset=utf-8><title>" + title + "</title></head><body>" + body +
           "</body></html>";
}

// A link or button that fills the page, so a click anywhere on the box hits it.
const std::string kFill = "style='position:fixed;left:0;top:0;width:100%;height:100%;display:block'";

bool TopLevelTitled(const std::string& title) {
    GList* windows = gtk_window_list_toplevels();
    bool found = false;
    for (GList* l = windows; l; l = l->next)
        found = found || title == (gtk_window_get_title(GTK_WINDOW(l->data)) ? gtk_window_get_title(GTK_WINDOW(l->data)) : "");
    g_list_free(windows);
    return found;
}

class BrowserBox : public ::testing::Test {
protected:
    ContentServer server;
    void SetUp() override {
        server.Put("/index.html", Page("Home"));
        server.Put("/a.html", Page("A"));
        server.Put("/b.html", Page("B"));
    }
    void Load() {
        server.Start();
        StartDesktopAndShell();
        LoadWindow(MainWindowDescription());
    WaitUntilSettled(CurrentWindow()->window);
        ASSERT_TRUE(WaitForTitle(BoxView(), "Home"));
    }
    Control& Box() { return *FindControl("超文本浏览框1"); }
    void Write(const std::string& address) { WriteAddress(Box(), Text(address.data(), address.size())); }
    int Requests(const std::string& line) {
        int n = 0;
        for (const auto& r : server.Requests()) n += r.starts_with(line + " ");
        return n;
    }
};

TEST_F(BrowserBox, ShowsTheHomePageAndCoversItsWholeRectangle) {
    Load();
    EXPECT_STREQ(webkit_web_view_get_uri(BoxView()), "http://127.0.0.1/");
    EXPECT_EQ(Requests("GET /"), 1);
    GtkAllocation box, view;
    gtk_widget_get_allocation(Box().widget, &box);
    gtk_widget_get_allocation(GTK_WIDGET(BoxView()), &view);
    EXPECT_EQ(box.x, -14);
    EXPECT_EQ(box.y, -1);
    EXPECT_EQ(box.width, 773);
    EXPECT_EQ(box.height, 385);
    EXPECT_EQ(view.x, 0);  // within the box
    EXPECT_EQ(view.y, 0);
    EXPECT_EQ(view.width, box.width);
    EXPECT_EQ(view.height, box.height);
    // FontSize 2: the normal text size, the text alone zoomed.
    EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(BoxView()), 1.0);
    EXPECT_TRUE(webkit_settings_get_zoom_text_only(webkit_web_view_get_settings(BoxView())));
}

TEST(TextZoom, FiveStepsClamped) {
    EXPECT_DOUBLE_EQ(BrowserView::TextZoomFor(-3), BrowserView::TextZoomFor(0));
    EXPECT_DOUBLE_EQ(BrowserView::TextZoomFor(2), 1.0);
    EXPECT_DOUBLE_EQ(BrowserView::TextZoomFor(9), BrowserView::TextZoomFor(4));
    EXPECT_LT(BrowserView::TextZoomFor(0), BrowserView::TextZoomFor(1));
    EXPECT_LT(BrowserView::TextZoomFor(3), BrowserView::TextZoomFor(4));
}

TEST_F(BrowserBox, EveryAddressWriteNavigatesTheSameAddressTwiceAndCrLfIncluded) {
    Load();
    Write("http://127.0.0.1/a.html");
    ASSERT_TRUE(WaitForTitle(BoxView(), "A"));
    Write("http://127.0.0.1/a.html");
    ASSERT_TRUE(PumpUntil([&] { return Requests("GET /a.html") == 2; }));
    Write("http://127.0.0.1/b.html\r\n");
    EXPECT_TRUE(WaitForTitle(BoxView(), "B"));
    EXPECT_EQ(FindControl("超文本浏览框1")->browser->address(), "http://127.0.0.1/b.html\r\n");
    Write("");
    PumpFor(std::chrono::milliseconds(300));
    Write("http://127.0.0.1/a.html");
    EXPECT_TRUE(WaitForTitle(BoxView(), "A"));
}

TEST_F(BrowserBox, HostileAddressesAreTheEnginesMatterAndNeverWedgeTheBox) {
    Load();
    for (const std::string& address :
         {std::string("javascript:document.title='script'"), std::string("file:///etc/hostname"),
          std::string("garbage \x01\x02 address"), std::string(1 << 20, 'x'), std::string("\xFF\xFE\xB5\xE7")}) {
        Write(address);
        PumpFor(std::chrono::milliseconds(200));
    }
    Write("http://127.0.0.1/b.html");
    EXPECT_TRUE(WaitForTitle(BoxView(), "B"));
}

TEST_F(BrowserBox, NewWindowsFromAClickOpenApartShareCookiesAndCloseByScript) {
    server.Put("/index.html", Page("Home", "<script>document.cookie='session=42'</script>"
                                           "<a id=l href='/child.html' target='_blank' " + kFill + ">open</a>"));
    server.Put("/child.html", Page("child", "<script>document.title='child ' + document.cookie;"
                                            "setTimeout(function(){window.close()}, 1500)</script>"));
    Load();
    ClickWidget(Box().widget);
    ASSERT_TRUE(PumpUntil([] { return OpenPageWindowCount() == 1; }));
    EXPECT_EQ(Title(BoxView()), "Home");  // the box keeps its page
    EXPECT_TRUE(PumpUntil([] { return TopLevelTitled("child session=42"); }));  // the same session's cookies
    ASSERT_TRUE(PumpUntil([] { return OpenPageWindowCount() == 0; }, std::chrono::seconds(10)));
    EXPECT_EQ(Requests("GET /child.html"), 1);
}

TEST_F(BrowserBox, WindowOpenOnAClickKeepsTheOpenerAndPopUpsWithoutAClickAreBlocked) {
    server.Put("/index.html", Page("Home", "<script>window.open('/popup.html')</script>"
                                           "<button onclick=\"w=window.open('/child.html')\" " + kFill + ">go</button>"));
    server.Put("/child.html", Page("child", "<script>document.title = window.opener ? 'has opener' : 'none'</script>"));
    server.Put("/popup.html", Page("popup"));
    Load();
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(OpenPageWindowCount(), 0);
    ClickWidget(Box().widget);
    ASSERT_TRUE(PumpUntil([] { return OpenPageWindowCount() == 1; }));
    ASSERT_TRUE(PumpUntil([&] { return Requests("GET /child.html") == 1; }));
    EXPECT_EQ(Requests("GET /popup.html"), 0);
    EXPECT_TRUE(PumpUntil([] { return RunScript(BoxView(), "w.document.title") == "has opener"; }));
    // Closing MainWindow closes the page's windows too, and the loop ends with 0.
    PressKey(GDK_KEY_Escape);
    gtk_window_close(GTK_WINDOW(CurrentWindow()->window));
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(OpenPageWindowCount(), 0);
}

TEST_F(BrowserBox, FullScreenFillsTheScreenAndEscGivesTheWindowBackAsItWas) {
    server.Put("/index.html", Page("Home", "<div id=v onclick='this.requestFullscreen()' " + kFill + ">video</div>"));
    Load();
    GtkWidget* window = CurrentWindow()->window;
    const GdkRectangle before = OuterRectangle(window);
    ClickWidget(Box().widget);
    ASSERT_TRUE(PumpUntil([&] {
        return gdk_window_get_state(gtk_widget_get_window(window)) & GDK_WINDOW_STATE_FULLSCREEN;
    }));
    PumpUntil([&] { GtkAllocation a; gtk_widget_get_allocation(Box().widget, &a); return a.width == 1024; });
    GtkAllocation box;
    gtk_widget_get_allocation(Box().widget, &box);
    EXPECT_EQ(box.width, 1024);
    EXPECT_EQ(box.height, 768);
    EXPECT_FALSE(gtk_widget_get_visible(FindControl("按钮1")->widget));

    PressKey(GDK_KEY_Escape);
    ASSERT_TRUE(PumpUntil([&] {
        return !(gdk_window_get_state(gtk_widget_get_window(window)) & GDK_WINDOW_STATE_FULLSCREEN);
    }));
    PumpUntil([&] { GdkRectangle r = OuterRectangle(window); return r.width == before.width && r.height == before.height && r.x == before.x; },
              std::chrono::seconds(3));
    const GdkRectangle after = OuterRectangle(window);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    EXPECT_EQ(after.width, 752);
    EXPECT_EQ(after.height, 486);
    gtk_widget_get_allocation(Box().widget, &box);
    EXPECT_EQ(box.width, 773);
    EXPECT_EQ(box.height, 385);
    EXPECT_TRUE(gtk_widget_get_visible(FindControl("按钮1")->widget));
    EXPECT_NE(CurrentWindow()->window, nullptr);  // Esc did not close it
}

TEST_F(BrowserBox, TabIsSwallowedInThePageEnterReachesIt) {
    server.Put("/index.html",
               Page("Home", "<input id=one onkeydown=\"if(event.key=='Enter')document.title='entered'\">"
                            "<input id=two><script>document.addEventListener('keydown',function(e){"
                            "if(e.key=='Tab')document.title='saw tab'})</script>"));
    Load();
    for (int i = 0; i < 6; ++i) PressKey(GDK_KEY_Tab);  // from 按钮1 into the page
    RunScript(BoxView(), "document.getElementById('one').focus()");
    PressKey(GDK_KEY_Tab);
    PressKey(GDK_KEY_Tab, GDK_SHIFT_MASK);
    EXPECT_EQ(RunScript(BoxView(), "document.activeElement.id"), "one");
    EXPECT_EQ(Title(BoxView()), "Home");
    PressKey(GDK_KEY_Return);
    EXPECT_TRUE(WaitForTitle(BoxView(), "entered", 5));
}

TEST_F(BrowserBox, APageAlertIsShownAsTheEnginesDialog) {
    server.Put("/alert.html", Page("alert", "<script>alert('hello')</script>"));
    Load();
    std::string message;
    g_signal_connect(BoxView(), "script-dialog", G_CALLBACK(+[](WebKitWebView*, WebKitScriptDialog* d, gpointer m) {
        *static_cast<std::string*>(m) = webkit_script_dialog_get_message(d);
        return FALSE;  // on to the engine's own dialog
    }), &message);
    Write("http://127.0.0.1/alert.html");
    ASSERT_TRUE(PumpUntil([&] { return !message.empty(); }));
    EXPECT_EQ(message, "hello");
}

TEST_F(BrowserBox, ASilentBoxShowsNoDialogOfTheEngine) {
    server.Put("/alert.html", Page("before", "<script>alert('hello'); document.title = 'after'</script>"));
    Load();
    HtmlViewerSettings silent;
    silent.silent = true;
    BrowserView* view = BrowserView::Create(silent, nullptr);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_container_add(GTK_CONTAINER(window), view->widget());
    gtk_widget_show_all(window);
    bool dialogShown = false;
    g_signal_connect_after(view->widget(), "script-dialog", G_CALLBACK(+[](WebKitWebView*, WebKitScriptDialog*, gpointer shown) {
        *static_cast<bool*>(shown) = true;
        return FALSE;
    }), &dialogShown);
    view->Navigate("http://127.0.0.1/alert.html");
    EXPECT_TRUE(WaitForTitle(WEBKIT_WEB_VIEW(view->widget()), "after"));
    EXPECT_FALSE(dialogShown);
    gtk_widget_destroy(window);
}

TEST(RenderWorkaround, NeverOverridesTheUsersChoice) {
    setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "0", 1);
    ApplyRenderWorkaround();
    EXPECT_STREQ(getenv("WEBKIT_DISABLE_DMABUF_RENDERER"), "0");
}

TEST_F(BrowserBox, AfterTheWebProcessDiesTheNextAddressLoads) {
    Load();
    webkit_web_view_terminate_web_process(BoxView());
    PumpFor(std::chrono::milliseconds(500));
    EXPECT_NE(CurrentWindow()->window, nullptr);
    Write("http://127.0.0.1/a.html");
    EXPECT_TRUE(WaitForTitle(BoxView(), "A"));
}

}  // namespace
}  // namespace vantelo::test
