// The Label kind: one line of text, opaque in the window's own colour, taking
// neither the focus nor a click.
#include <gtk/gtk.h>

#include "app/controls.h"
#include "app/fixed_size_label.h"

namespace vantelo {

bool BuildLabel(Control& control) {
    const ControlRecord& r = *control.record;
    GtkWidget* label = NewFixedSizeLabel();
    gtk_label_set_text(GTK_LABEL(label), r.text);
    gtk_label_set_single_line_mode(GTK_LABEL(label), !r.wordWrap);
    gtk_label_set_line_wrap(GTK_LABEL(label), r.wordWrap);
    gtk_label_set_xalign(GTK_LABEL(label), r.hAlign == HAlign::Left ? 0.0f : r.hAlign == HAlign::Right ? 1.0f : 0.5f);
    gtk_label_set_yalign(GTK_LABEL(label), r.vAlign == VAlign::Top ? 0.0f : r.vAlign == VAlign::Bottom ? 1.0f : 0.5f);
    gtk_widget_set_can_focus(label, FALSE);
    gtk_style_context_add_class(gtk_widget_get_style_context(label), "vantelo-label");
    // Text colour from the record (0x00BBGGRR), background the window's own.
    char css[160];
    g_snprintf(css, sizeof css,
               "label.vantelo-label { color: #%02x%02x%02x; background-color: @theme_bg_color; }",
               r.textColor & 0xff, (r.textColor >> 8) & 0xff, (r.textColor >> 16) & 0xff);
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(label), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    control.widget = label;
    return true;
}

}  // namespace vantelo
