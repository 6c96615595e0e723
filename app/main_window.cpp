#include "app/main_window.h"

#include "app/client_area.h"
#include "app/program_icon.h"
#include "app/shell.h"
#include "app/window_frame.h"

namespace vantelo {
namespace {

constexpr const char* kClientAreaKey = "vantelo-client-area";
constexpr const char* kRecordKey = "vantelo-window-record";

const WindowRecord& RecordOf(GtkWidget* window) {
    return *static_cast<const WindowRecord*>(g_object_get_data(G_OBJECT(window), kRecordKey));
}

// The client area is the outer size less the frame the window manager adds.
void FitClientArea(GtkWidget* window, const FrameExtents& frame) {
    const WindowRecord& r = RecordOf(window);
    SetClientAreaSize(MainWindowClientArea(window), r.width - frame.left - frame.right,
                      r.height - frame.top - frame.bottom);
}

gboolean OnPropertyChanged(GtkWidget* window, GdkEventProperty* event, gpointer) {
    if (IsFrameExtentsChange(event) && !(gdk_window_get_state(gtk_widget_get_window(window)) &
                                         GDK_WINDOW_STATE_FULLSCREEN))
        FitClientArea(window, CurrentFrameExtents(window));
    return FALSE;
}

GdkWMFunction AllowedFunctions(const WindowRecord& r) {
    int functions = 0;
    if (r.movable) functions |= GDK_FUNC_MOVE;
    if (r.controlBox) functions |= GDK_FUNC_CLOSE;
    if (r.minButton) functions |= GDK_FUNC_MINIMIZE;
    if (r.maxButton) functions |= GDK_FUNC_MAXIMIZE;
    return static_cast<GdkWMFunction>(functions);
}

void ApplyFrameStyle(GtkWidget* window, bool fullScreen) {
    const WindowRecord& r = RecordOf(window);
    GdkWindow* gdk = gtk_widget_get_window(window);
    int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE;
    if (r.controlBox) decorations |= GDK_DECOR_MENU;
    if (r.minButton) decorations |= GDK_DECOR_MINIMIZE;
    if (r.maxButton) decorations |= GDK_DECOR_MAXIMIZE;
    gdk_window_set_decorations(gdk, static_cast<GdkWMDecoration>(decorations));
    gdk_window_set_functions(gdk, fullScreen ? GDK_FUNC_ALL : AllowedFunctions(r));
    gtk_window_set_resizable(GTK_WINDOW(window), fullScreen);
}

}  // namespace

GtkWidget* BuildMainWindow(const WindowRecord& record) {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (!window) return nullptr;
    g_object_set_data(G_OBJECT(window), kRecordKey, const_cast<WindowRecord*>(&record));
    gtk_window_set_title(GTK_WINDOW(window), record.title);
    gtk_window_set_gravity(GTK_WINDOW(window), GDK_GRAVITY_NORTH_WEST);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), !record.showInTaskbar);
    gtk_window_set_keep_above(GTK_WINDOW(window), record.topMost);
    gtk_widget_set_sensitive(window, !record.disabled);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_icon_list(GTK_WINDOW(window), ProgramIcons());

    GtkWidget* area = NewClientArea(record.width, record.height);
    g_object_set_data(G_OBJECT(window), kClientAreaKey, area);
    gtk_container_add(GTK_CONTAINER(window), area);
    gtk_widget_show(area);

    gtk_widget_realize(window);
    if (!gtk_widget_get_window(window)) {
        gtk_widget_destroy(window);
        return nullptr;
    }
    ApplyFrameStyle(window, false);
    FitClientArea(window, RequestFrameExtents(window));

    int x = record.left, y = record.top;
    if (record.centred) {
        GdkDisplay* display = gtk_widget_get_display(window);
        GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
        if (!monitor) monitor = gdk_display_get_monitor(display, 0);
        GdkRectangle screen{0, 0, record.width, record.height};
        if (monitor) gdk_monitor_get_geometry(monitor, &screen);
        x = screen.x + CentredOrigin(screen.width, record.width);
        y = screen.y + CentredOrigin(screen.height, record.height);
    }
    gtk_window_move(GTK_WINDOW(window), x, y);
    gtk_widget_add_events(window, GDK_PROPERTY_CHANGE_MASK);
    g_signal_connect(window, "property-notify-event", G_CALLBACK(OnPropertyChanged), nullptr);
    return window;
}

GtkWidget* MainWindowClientArea(GtkWidget* window) {
    return static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(window), kClientAreaKey));
}

void ShowMainWindow(GtkWidget* window) { gtk_widget_show(window); }

void SetPageFullScreen(GtkWidget* window, GtkWidget* child) {
    LiveWindow* live = CurrentWindow();
    if (!live || live->window != window) return;
    for (auto& control : live->controls)
        if (control && control->widget != child)
            gtk_widget_set_visible(control->widget, child == nullptr && control->record->visible);
    SetClientAreaFillChild(live->clientArea, child);
    ApplyFrameStyle(window, child != nullptr);
    if (!child) FitClientArea(window, CurrentFrameExtents(window));
}

}  // namespace vantelo
