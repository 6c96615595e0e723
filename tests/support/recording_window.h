#pragma once
// MainWindow's real description with its handlers replaced by recorders, for
// tests of the shell and the window that must see which handler ran, and when.
#include <string>
#include <vector>

#include "app/window_description.h"

namespace vantelo::test {

// Names of the buttons whose click handler ran, in order; "created" for the
// window-created handler.
std::vector<std::string>& HandlerLog();
// Whether MainWindow was still hidden, with all ten controls made, when its
// window-created handler ran.
bool CreatedWhileHiddenWithControls();

const WindowDescription& RecordingDescription();

// Loads the recording description and waits until the window is shown and framed.
void LoadRecordingWindow();

}  // namespace vantelo::test
