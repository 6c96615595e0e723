// The Button kind: a push button of the desktop's own look, fixed at its stored
// size, whose caption wraps, breaks at line breaks and is cut where it does not fit.
#include <gtk/gtk.h>

#include "app/access_key.h"
#include "app/controls.h"
#include "app/fixed_size_label.h"
#include "app/shell.h"
#include "remote/code_page_936.h"

namespace vantelo {
namespace {

float AlignOf(HAlign a) { return a == HAlign::Left ? 0.0f : a == HAlign::Right ? 1.0f : 0.5f; }
float AlignOf(VAlign a) { return a == VAlign::Top ? 0.0f : a == VAlign::Bottom ? 1.0f : 0.5f; }

void OnClicked(GtkButton*, gpointer data) {
    auto* control = static_cast<Control*>(data);
    RaiseEvent(control->record->onClick);
}

}  // namespace

bool BuildButton(Control& control) {
    const ControlRecord& r = *control.record;
    GtkWidget* button = gtk_button_new();
    GtkWidget* label = NewFixedSizeLabel();
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
    gtk_label_set_justify(GTK_LABEL(label),
                          r.hAlign == HAlign::Left ? GTK_JUSTIFY_LEFT
                          : r.hAlign == HAlign::Right ? GTK_JUSTIFY_RIGHT : GTK_JUSTIFY_CENTER);
    gtk_label_set_xalign(GTK_LABEL(label), AlignOf(r.hAlign));
    gtk_label_set_yalign(GTK_LABEL(label), AlignOf(r.vAlign));
    gtk_container_add(GTK_CONTAINER(button), label);
    // Little padding, so that two lines of the theme's font fit a 32-pixel button.
    gtk_style_context_add_class(gtk_widget_get_style_context(button), "vantelo-button");
    static GtkCssProvider* padding = [] {
        GtkCssProvider* p = gtk_css_provider_new();
        gtk_css_provider_load_from_data(p, "button.vantelo-button { padding: 0 4px; }", -1, nullptr);
        return p;  // shared by every button for the whole run
    }();
    gtk_style_context_add_provider(gtk_widget_get_style_context(button), GTK_STYLE_PROVIDER(padding),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    gtk_widget_show(label);
    gtk_widget_set_can_focus(button, r.tabStop);
    gtk_widget_set_focus_on_click(button, TRUE);
    control.widget = button;
    SetCaptionUtf8(control, r.text);
    g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), &control);
    return true;
}

// A caption that does not fit shows its first lines. No button can show more than
// a few hundred characters, so the label gets at most this much of a longer
// caption: text shaping of a whole megabyte at every layout would freeze the window.
constexpr std::size_t kMostShownBytes = 4096;

void SetCaptionUtf8(Control& button, const std::string& caption) {
    button.caption = caption;
    std::string shown = MnemonicLabelText(caption);
    if (shown.size() > kMostShownBytes) {
        std::size_t cut = kMostShownBytes;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
        shown.resize(cut);
    }
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(button.widget));
    gtk_label_set_text_with_mnemonic(GTK_LABEL(label), shown.c_str());
}

void WriteCaption(Control& button, const Text& text) {
    SetCaptionUtf8(button, DecodeCodePage936(text.c_str(), text.length()));
    // Shown at once, as the desktop's own controls repaint on a new text.
    if (gtk_widget_get_realized(button.widget)) gtk_widget_queue_draw(button.widget);
}

void ClickButton(Control& button) { gtk_button_clicked(GTK_BUTTON(button.widget)); }

}  // namespace vantelo
