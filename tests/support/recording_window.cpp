#include "tests/support/recording_window.h"

#include <gtk/gtk.h>

#include <array>
#include <utility>

#include "app/shell.h"
#include "tests/support/desktop.h"

namespace vantelo::test {
namespace {

bool createdHidden = false;

std::array<ControlRecord, 10> controls;

template <std::size_t I>
void RecordClick() {
    HandlerLog().push_back(controls[I].name);
}

void RecordCreated() {
    HandlerLog().push_back("created");
    LiveWindow* live = CurrentWindow();
    bool all = live && live->controls.size() == 10;
    if (all)
        for (auto& c : live->controls) all = all && c && c->widget;
    createdHidden = all && !gtk_widget_get_visible(live->window);
}

template <std::size_t... I>
void InstallRecorders(std::index_sequence<I...>) {
    ((controls[I].onClick = controls[I].onClick ? RecordClick<I> : nullptr), ...);
}

}  // namespace

std::vector<std::string>& HandlerLog() {
    static std::vector<std::string> log;
    return log;
}

bool CreatedWhileHiddenWithControls() { return createdHidden; }

const WindowDescription& RecordingDescription() {
    static const WindowDescription description = [] {
        const WindowDescription& real = MainWindowDescription();
        for (std::size_t i = 0; i < controls.size(); ++i) controls[i] = real.controls[i];
        InstallRecorders(std::make_index_sequence<10>());
        WindowDescription d = real;
        d.window.onCreated = RecordCreated;
        d.controls = controls;
        return d;
    }();
    return description;
}

void LoadRecordingWindow() {
    LoadWindow(RecordingDescription());
    WaitUntilSettled(CurrentWindow()->window);
}

}  // namespace vantelo::test
