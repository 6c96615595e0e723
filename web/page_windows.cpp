#include "web/page_windows.h"

#include <algorithm>
#include <vector>

namespace vantelo {
namespace {

std::vector<GtkWidget*>& PageWindows() {
    static std::vector<GtkWidget*> windows;
    return windows;
}

void OnWindowDestroyed(GtkWidget* window, gpointer) {
    auto& windows = PageWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void OnTitleChanged(WebKitWebView* view, GParamSpec*, gpointer window) {
    const char* title = webkit_web_view_get_title(view);
    gtk_window_set_title(GTK_WINDOW(window), title && *title ? title : "");
}

void OnReadyToShow(WebKitWebView* view, gpointer) {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    int width = 800, height = 600;
    GdkRectangle geometry{};
    webkit_window_properties_get_geometry(webkit_web_view_get_window_properties(view), &geometry);
    if (geometry.width > 0) width = geometry.width;
    if (geometry.height > 0) height = geometry.height;
    gtk_window_set_default_size(GTK_WINDOW(window), width, height);
    gtk_container_add(GTK_CONTAINER(window), GTK_WIDGET(view));
    g_signal_connect(view, "notify::title", G_CALLBACK(OnTitleChanged), window);
    g_signal_connect(window, "destroy", G_CALLBACK(OnWindowDestroyed), nullptr);
    PageWindows().push_back(window);
    OnTitleChanged(view, nullptr, window);
    gtk_widget_show_all(window);
}

void OnClose(WebKitWebView* view, gpointer) {
    GtkWidget* window = gtk_widget_get_toplevel(GTK_WIDGET(view));
    if (GTK_IS_WINDOW(window)) gtk_widget_destroy(window);
    else gtk_widget_destroy(GTK_WIDGET(view));
}

GtkWidget* OnCreate(WebKitWebView* opener, WebKitNavigationAction*, gpointer) {
    GtkWidget* view = webkit_web_view_new_with_related_view(opener);
    webkit_web_view_set_settings(WEBKIT_WEB_VIEW(view), webkit_web_view_get_settings(opener));
    AllowNewWindows(WEBKIT_WEB_VIEW(view));
    g_signal_connect(view, "ready-to-show", G_CALLBACK(OnReadyToShow), nullptr);
    g_signal_connect(view, "close", G_CALLBACK(OnClose), nullptr);
    return view;
}

}  // namespace

void AllowNewWindows(WebKitWebView* view) { g_signal_connect(view, "create", G_CALLBACK(OnCreate), nullptr); }

int OpenPageWindowCount() { return static_cast<int>(PageWindows().size()); }

void CloseAllPageWindows() {
    const std::vector<GtkWidget*> windows = PageWindows();
    for (GtkWidget* window : windows) gtk_widget_destroy(window);
}

}  // namespace vantelo
