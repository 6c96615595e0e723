#include "tests/support/recording_browser.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/desktop.h"

namespace vantelo::test {
namespace fs = std::filesystem;

RecordingBrowser::RecordingBrowser() {
    const std::string data = std::getenv("XDG_DATA_HOME");
    const std::string config = std::getenv("XDG_CONFIG_HOME");
    fs::create_directories(data + "/applications");
    fs::create_directories(config);
    log_ = data + "/received-addresses";
    const std::string script = data + "/recording-browser";
    // Each address as it arrived, ended by a zero byte so CR LF stays visible.
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\0' \"$@\" >> '" << log_ << "'\n";
    chmod(script.c_str(), 0755);
    std::ofstream(data + "/applications/recording-browser.desktop")
        << "[Desktop Entry]\nType=Application\nName=Recording browser\nExec=" << script
        << " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\nNoDisplay=true\n";
    std::ofstream(config + "/mimeapps.list")
        << "[Default Applications]\nx-scheme-handler/http=recording-browser.desktop\n"
        << "x-scheme-handler/https=recording-browser.desktop\n";
}

std::vector<std::string> RecordingBrowser::Received() const {
    std::ifstream in(log_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string all = s.str();
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == '\0') {
            out.push_back(all.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

bool RecordingBrowser::WaitFor(std::size_t count, int milliseconds) const {
    return PumpUntil([&] { return Received().size() >= count; }, std::chrono::milliseconds(milliseconds));
}

}  // namespace vantelo::test
