// The hostile content server: every kind of broken or malicious reply, first to
// the fetch itself (a table of kind | outcome | time), then to the whole
// launcher at start and on every button.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>

#include "app/controls.h"
#include "app/shell.h"
#include "remote/http_read_file.h"
#include "tests/reliability/hostile_replies.h"
#include "tests/support/desktop.h"
#include "tests/support/recording_browser.h"
#include "tests/support/scripted_server.h"
#include "tests/support/tcp_sockets.h"
#include "web/browser_view.h"

namespace vantelo::test {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

TEST(HostileServer, EveryKindOfReplyGivesItsOutcomeWithinTheTimeOutsAndLeavesNoConnection) {
    TlsServer expired(true), selfSigned(false);
    std::printf("\n| kind | outcome | time |\n| --- | --- | --- |\n");
    for (const HostileKind& kind : HostileKinds(expired.port(), selfSigned.port())) {
        SCOPED_TRACE(kind.name);
        ScriptedServer server(kind.reply);
        const auto start = Clock::now();
        ByteString body = HttpReadFile(server.Address("/eyy/1.txt").c_str());
        const double took = Seconds(Clock::now() - start);
        const std::string bytes(body.data() ? body.data() : "", body.size());
        body.Release();
        EXPECT_TRUE(kind.expected(bytes)) << "got " << bytes.size() << " bytes";
        EXPECT_LT(took, kind.slow ? 62.0 : 10.0);
        EXPECT_EQ(ClientConnectionsTo(server.port()), 0);
        std::printf("| %s | %s | %.2f s |\n", kind.name.c_str(), kind.outcome.c_str(), took);
        std::fflush(stdout);
    }
}

class HostileServerAtTheLauncher : public ::testing::TestWithParam<std::string> {};

TEST_P(HostileServerAtTheLauncher, StartsAndAnswersEveryButtonWithoutCrashHangOrLeak) {
    TlsServer expired(true), selfSigned(false);
    HostileKind kind;
    for (HostileKind& k : HostileKinds(expired.port(), selfSigned.port()))
        if (k.name == GetParam()) kind = k;
    ASSERT_FALSE(kind.name.empty());
    RecordingBrowser browser;
    ScriptedServer server(kind.reply, 80);
    StartDesktopAndShell();
    const auto start = Clock::now();
    LoadWindow(MainWindowDescription());
    const double startup = Seconds(Clock::now() - start);
    WaitUntilSettled(CurrentWindow()->window);
    EXPECT_EQ(ClientConnectionsTo(80), 0);
    EXPECT_LT(startup, 20.0);

    for (const char* name : {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5", "按钮6", "按钮7"}) {
        ClickWidget(FindControl(name)->widget);
        EXPECT_EQ(ClientConnectionsTo(80), 0) << name;
    }
    browser.WaitFor(1);
    PumpFor(std::chrono::milliseconds(300));
    for (const std::string& address : browser.Received())
        EXPECT_TRUE(address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0) << address;
    // The window still answers: Tab moves the focus from the last clicked button.
    GtkWidget* before = gtk_window_get_focus(GTK_WINDOW(CurrentWindow()->window));
    PressKey(GDK_KEY_Tab);
    EXPECT_NE(gtk_window_get_focus(GTK_WINDOW(CurrentWindow()->window)), before);
    std::printf("| %s | start-up %.2f s | caption 1: %zu bytes | %zu hand-overs |\n", kind.name.c_str(), startup,
                FindControl("按钮1")->caption.size(), browser.Received().size());
}

std::vector<std::string> FastKinds() {
    std::vector<std::string> names;
    for (const HostileKind& k : HostileKinds(0, 0))
        if (!k.slow && k.name != "a body of 1 GiB") names.push_back(k.name);
    return names;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, HostileServerAtTheLauncher, ::testing::ValuesIn(FastKinds()), TestName);

}  // namespace
}  // namespace vantelo::test
