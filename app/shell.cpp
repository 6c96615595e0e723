#include "app/shell.h"

#include <unistd.h>

#include <climits>
#include <string>

#include "app/client_area.h"
#include "app/fatal_error.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/tab_order.h"
#include "web/page_windows.h"

namespace vantelo {
namespace {

struct ShellState {
    bool displayOpen = false;
    int eventHoldCount = 0;
    bool loopStarted = false;
    std::unique_ptr<LiveWindow> live;
    std::function<void()> buildObserver;
};

ShellState& Shell() {
    static ShellState state;
    return state;
}

// Dispatches what is already waiting, without waiting for more.
void DispatchWaitingEvents() {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

void OnMainWindowDestroyed(GtkWidget*, gpointer) {
    ShellState& shell = Shell();
    CloseAllPageWindows();
    if (shell.live) shell.live->window = nullptr;
    if (shell.loopStarted && gtk_main_level() > 0) gtk_main_quit();
}

void ChangeToProgramFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return;
    std::string folder(path, static_cast<std::size_t>(n));
    const std::size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
    if (!folder.empty() && chdir(folder.c_str()) != 0) {
        // Ignored: the program reads nothing relative to it.
    }
}

[[noreturn]] void LoadFailed(GtkWidget* window) {
    if (window) gtk_widget_destroy(window);
    ReportFatalError(kLoadWindowFailed);
}

}  // namespace

int EventHoldCount() { return Shell().eventHoldCount; }
void HoldEvents() { ++Shell().eventHoldCount; }
void ReleaseHeldEvents() {
    if (Shell().eventHoldCount > 0) --Shell().eventHoldCount;
}
void RaiseEvent(Handler handler) {
    if (Shell().eventHoldCount == 0 && handler) handler();
}

bool DisplayAvailable() { return Shell().displayOpen; }
LiveWindow* CurrentWindow() { return Shell().live.get(); }
void SetBuildObserver(std::function<void()> observer) { Shell().buildObserver = std::move(observer); }

Control* FindControl(std::string_view name) {
    LiveWindow* live = CurrentWindow();
    if (!live) return nullptr;
    for (auto& control : live->controls)
        if (control && name == control->record->name) return control.get();
    return nullptr;
}

void StartShell() {
    ShellState& shell = Shell();
    if (!shell.displayOpen) {
        g_set_prgname("vantelo");
        g_set_application_name("Vantelo软件");
        // No arguments are handed on: the toolkit's own options are not read either.
        shell.displayOpen = gtk_init_check(nullptr, nullptr);
    }
    ChangeToProgramFolder();
}

void LoadWindow(const WindowDescription& description) {
    ShellState& shell = Shell();
    if (!shell.displayOpen) ReportFatalError(kLoadWindowFailed);

    DispatchWaitingEvents();
    HoldEvents();

    GtkWidget* window = BuildMainWindow(description.window);
    if (!window) LoadFailed(nullptr);
    shell.live = std::make_unique<LiveWindow>();
    LiveWindow& live = *shell.live;
    live.description = &description;
    live.window = window;
    live.clientArea = MainWindowClientArea(window);
    live.controls.resize(description.controls.size());
    g_signal_connect(window, "destroy", G_CALLBACK(OnMainWindowDestroyed), nullptr);
    ConnectWindowKeys(live);

    // The controls, the last stored first; each one created goes on top.
    std::vector<Control*> created;
    int id = 100;
    for (std::size_t i = description.controls.size(); i-- > 0; id += 10) {
        const ControlRecord& record = description.controls[i];
        std::unique_ptr<Control> control = CreateControl(record, id);
        if (!control) {
            shell.live.reset();
            LoadFailed(window);
        }
        PlaceInClientArea(live.clientArea, control->widget, record.left, record.top, record.width, record.height);
        created.push_back(control.get());
        live.controls[i] = std::move(control);
    }
    for (Control* control : created) gtk_widget_set_visible(control->widget, control->record->visible);
    if (shell.buildObserver) shell.buildObserver();

    DispatchWaitingEvents();
    ReleaseHeldEvents();

    RaiseEvent(description.window.onCreated);

    if (shell.live && shell.live->window && description.window.visible) {
        const std::vector<std::size_t> order = TabOrder(description.controls);
        if (!gtk_window_get_focus(GTK_WINDOW(window)) && !order.empty())
            gtk_widget_grab_focus(live.controls[order.front()]->widget);
        ShowMainWindow(window);
    }
}

int RunMessageLoop() {
    ShellState& shell = Shell();
    shell.loopStarted = true;
    if (!shell.live || !shell.live->window) return 0;
    gtk_main();
    return 0;
}

void ShutDownShell() {
    HoldEvents();
    ShellState& shell = Shell();
    if (shell.live && shell.live->window) gtk_widget_destroy(shell.live->window);
    shell.live.reset();
}

int RunProgram() {
    StartShell();
    LoadWindow(MainWindowDescription());
    const int status = RunMessageLoop();
    ShutDownShell();
    return status;
}

}  // namespace vantelo
