#pragma once
// The program's spine: start-up, the load of MainWindow, the one event loop on
// the UI thread, the dispatch of events to handlers, and the end.
#include <gtk/gtk.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/window_description.h"

namespace vantelo {

// MainWindow and its controls once built.
struct LiveWindow {
    const WindowDescription* description = nullptr;
    GtkWidget* window = nullptr;
    GtkWidget* clientArea = nullptr;
    std::vector<std::unique_ptr<Control>> controls;  // indexed in stored order
};

// The start routine: start the shell, load MainWindow, run the loop. Its result
// is the process's exit status.
int RunProgram();

// Shell start-up: the toolkit, the program's folder as the current directory.
void StartShell();
// Whether start-up could open a display.
bool DisplayAvailable();
// Builds MainWindow hidden from the description, runs its window-created
// handler, then shows it. A window that cannot be built is fatal.
void LoadWindow(const WindowDescription& description);
// Runs until MainWindow is gone; returns the exit status (0).
int RunMessageLoop();
// The clean-up after the loop, and before a fatal exit.
void ShutDownShell();

// While the count is above zero, events reach no handler and are lost.
int EventHoldCount();
void HoldEvents();
void ReleaseHeldEvents();
// Runs `handler` now, synchronously, unless events are held or nothing is bound.
void RaiseEvent(Handler handler);

LiveWindow* CurrentWindow();
Control* FindControl(std::string_view name);

// For tests: called inside the load, after the controls are made and while
// events are still held.
void SetBuildObserver(std::function<void()> observer);

}  // namespace vantelo
