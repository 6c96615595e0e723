#pragma once
// A stand-in for the user's default web browser: a small program registered,
// in this test's private XDG folders, as the handler of http and https, so that
// the desktop's real lookup finds it. It records exactly the addresses it gets.
#include <string>
#include <vector>

namespace vantelo::test {

class RecordingBrowser {
public:
    RecordingBrowser();  // registers itself; call before the first hand-over
    std::vector<std::string> Received() const;
    // Waits until at least `count` addresses arrived (pumping the main loop).
    bool WaitFor(std::size_t count, int milliseconds = 5000) const;

private:
    std::string log_;
};

}  // namespace vantelo::test
