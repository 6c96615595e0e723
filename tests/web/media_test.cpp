// Film and TV pages play: short clips made here with ffmpeg, H.264/AAC in MP4
// and VP8 in WebM, played by the BrowserBox from nginx; their time must advance.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/shell.h"
#include "tests/support/content_server.h"
#include "tests/support/desktop.h"
#include "tests/support/page.h"

namespace vantelo::test {
namespace {

struct Clip {
    const char* name;
    const char* file;
    const char* ffmpegCodecs;
};

void PrintTo(const Clip& c, std::ostream* os) { *os << c.name; }

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Media : public ::testing::TestWithParam<Clip> {};

TEST_P(Media, PlaysInTheBox) {
    const Clip& clip = GetParam();
    const std::string out = std::string(std::getenv("HOME")) + "/" + clip.file;
    const std::string command = std::string("ffmpeg -loglevel error -y -f lavfi -i testsrc=duration=4:size=160x120:rate=15 "
                                            "-f lavfi -i sine=duration=4 ") + clip.ffmpegCodecs + " '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ContentServer server;
    server.Put(std::string("/") + clip.file, Read(out));
    server.Put("/index.html", std::string("<html><head><title>Home</title></head><body>"
                                          "<video id=v autoplay muted src='/") + clip.file + "'></video></body></html>");
    server.Start();
    StartDesktopAndShell();
    LoadWindow(MainWindowDescription());
    WaitUntilSettled(CurrentWindow()->window);
    ASSERT_TRUE(WaitForTitle(BoxView(), "Home"));
    EXPECT_TRUE(PumpUntil([] {
        PumpFor(std::chrono::milliseconds(100));
        return std::atof(RunScript(BoxView(), "document.getElementById('v').currentTime").c_str()) > 0.5;
    }, std::chrono::seconds(20))) << "error: " << RunScript(BoxView(), "String(document.getElementById('v').error && document.getElementById('v').error.code)");
}

INSTANTIATE_TEST_SUITE_P(Clips, Media, ::testing::Values(
    Clip{"H264AacMp4", "clip.mp4", "-c:v libx264 -pix_fmt yuv420p -c:a aac -movflags +faststart"},
    Clip{"Vp8VorbisWebm", "clip.webm", "-c:v libvpx -b:v 200k -c:a libvorbis"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantelo::test
