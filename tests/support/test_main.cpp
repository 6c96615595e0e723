// Every test process: its own home for the engine's data, no accessibility bus
// to look for, and any GLib warning or critical from the program fails the test.
#include <glib.h>
#include <gtest/gtest.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    char home[] = "/tmp/vantelo-test-home-XXXXXX";
    if (mkdtemp(home)) {
        const std::string h = home;
        setenv("HOME", home, 1);
        setenv("XDG_DATA_HOME", (h + "/data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (h + "/cache").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (h + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", h.c_str(), 1);
    }
    setenv("NO_AT_BRIDGE", "1", 1);
    setenv("GDK_BACKEND", "x11", 1);
    unsetenv("http_proxy");
    unsetenv("https_proxy");
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_FATAL_MASK | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING));
    return RUN_ALL_TESTS();
}
