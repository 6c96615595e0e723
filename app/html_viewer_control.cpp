// The HtmlViewer kind: a focusable box at its stored rectangle whose inside is
// the engine's view of a web page. Focus given to the box goes into the page.
#include <gtk/gtk.h>

#include "app/controls.h"
#include "app/main_window.h"
#include "remote/code_page_936.h"
#include "web/browser_view.h"

namespace vantelo {
namespace {

gboolean OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer data) {
    auto* control = static_cast<Control*>(data);
    if (control->browser) gtk_widget_grab_focus(control->browser->widget());
    return FALSE;
}

void OnFullScreen(GtkWidget* box, bool entering) {
    SetPageFullScreen(gtk_widget_get_toplevel(box), entering ? box : nullptr);
}

}  // namespace

bool BuildHtmlViewer(Control& control) {
    GtkWidget* box = gtk_event_box_new();
    gtk_widget_set_can_focus(box, control.record->tabStop);
    gtk_style_context_add_class(gtk_widget_get_style_context(box), "vantelo-html-viewer");
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, "eventbox.vantelo-html-viewer { background-color: #ffffff; }", -1,
                                    nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(box), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    atk_object_set_role(gtk_widget_get_accessible(box), ATK_ROLE_DOCUMENT_FRAME);
    atk_object_set_name(gtk_widget_get_accessible(box), control.record->name);

    BrowserView* view = BrowserView::Create(control.record->viewer, [box](bool entering) { OnFullScreen(box, entering); });
    if (!view) {
        gtk_widget_destroy(box);
        return false;
    }
    gtk_container_add(GTK_CONTAINER(box), view->widget());
    gtk_widget_show(view->widget());
    control.browser = view;
    control.widget = box;
    g_signal_connect(box, "focus-in-event", G_CALLBACK(OnFocusIn), &control);
    // With a stored address the navigation starts now, while the window is still being built.
    if (*control.record->viewer.address) view->Navigate(control.record->viewer.address);
    return true;
}

void WriteAddress(Control& box, const Text& text) {
    if (box.browser) box.browser->Navigate(DecodeCodePage936(text.c_str(), text.length()));
}

}  // namespace vantelo
