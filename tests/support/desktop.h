#pragma once
// A private X server (Xvfb) for one test process, with or without a real window
// manager (openbox), and the means to drive it as a user would: real key and
// pointer events through XTEST, and waiting on the toolkit's main loop.
#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <string>

namespace vantelo::test {

struct DesktopOptions {
    int width = 1024;
    int height = 768;
    bool windowManager = true;
};

// Starts the X server (and window manager) once per process and points DISPLAY
// at it; the program's shell is not started here.
void StartDesktop(const DesktopOptions& options = {});
// StartDesktop, then the shell's start-up (the toolkit opens the display).
void StartDesktopAndShell(const DesktopOptions& options = {});
const std::string& DisplayName();

// Runs the main loop until `done` or the time is up; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));
void PumpFor(std::chrono::milliseconds time);

// Real input, as the X server sees it from a keyboard and a mouse.
void PressKey(guint keyval, guint modifiers = 0);  // GDK_SHIFT_MASK, GDK_CONTROL_MASK, GDK_MOD1_MASK
void ClickAt(int rootX, int rootY);
void ClickWidget(GtkWidget* widget);
// A click sent to the X server without waiting for the program to read it: it
// queues behind whatever the program is doing.
void QueueClickOn(GtkWidget* widget);
// A key pressed, held for `holdMs` and released, likewise without waiting.
void QueueKey(guint keyval, int holdMs = 0);
// Waits until the X server has every event sent so far and GTK has read them.
void SyncInput();

// The outer rectangle (frame included) of a mapped top-level window.
GdkRectangle OuterRectangle(GtkWidget* window);
// Whether the window is mapped and the window manager has put its frame on.
bool MappedAndFramed(GtkWidget* window);
// Waits until the window is mapped, framed, active, and has stopped moving.
void WaitUntilSettled(GtkWidget* window);

}  // namespace vantelo::test
