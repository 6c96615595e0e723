#include "app/keyboard.h"

#include "app/access_key.h"
#include "app/shell.h"
#include "app/tab_order.h"
#include "web/browser_view.h"

namespace vantelo {
namespace {

constexpr guint kModifiers = GDK_CONTROL_MASK | GDK_SHIFT_MASK | GDK_MOD1_MASK;

// The control whose widget is `widget` or holds it, and whether it is the control itself.
Control* ControlHolding(LiveWindow& live, GtkWidget* widget, bool* itself) {
    for (auto& control : live.controls) {
        if (!control || !widget) continue;
        if (widget == control->widget || gtk_widget_is_ancestor(widget, control->widget)) {
            *itself = widget == control->widget;
            return control.get();
        }
    }
    return nullptr;
}

bool PageInFullScreen(LiveWindow& live) {
    for (auto& control : live.controls)
        if (control && control->browser && control->browser->fullScreen()) return true;
    return false;
}

bool MoveFocus(LiveWindow& live, bool backwards) {
    const std::vector<std::size_t> order = TabOrder(live.description->controls);
    if (order.empty()) return true;
    bool itself = false;
    Control* focused = ControlHolding(live, gtk_window_get_focus(GTK_WINDOW(live.window)), &itself);
    if (focused && !itself) return true;  // inside a page: the key is swallowed, the focus stays
    std::size_t next = 0;
    if (focused) {
        std::size_t at = 0;
        while (at < order.size() && live.controls[order[at]].get() != focused) ++at;
        if (at == order.size()) next = 0;
        else next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    } else if (backwards) {
        next = order.size() - 1;
    }
    gtk_widget_grab_focus(live.controls[order[next]]->widget);
    return true;
}

bool ClickByAccessKey(LiveWindow& live, guint keyval) {
    const gunichar ch = gdk_keyval_to_unicode(gdk_keyval_to_lower(keyval));
    if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9'))) return false;
    for (auto& control : live.controls) {  // stored order: the first match wins
        if (!control || control->record->kind != ControlKind::Button) continue;
        if (!gtk_widget_is_visible(control->widget) || !gtk_widget_is_sensitive(control->widget)) continue;
        if (AccessKeyOf(control->caption) == static_cast<char>(ch)) {
            ClickButton(*control);
            return true;
        }
    }
    return false;
}

bool FocusOnButton(LiveWindow& live) {
    bool itself = false;
    Control* focused = ControlHolding(live, gtk_window_get_focus(GTK_WINDOW(live.window)), &itself);
    return focused && itself && focused->record->kind == ControlKind::Button;
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
    return HandleWindowKey(*static_cast<LiveWindow*>(data), *event);
}

}  // namespace

void ConnectWindowKeys(LiveWindow& live) {
    g_signal_connect(live.window, "key-press-event", G_CALLBACK(OnKeyPress), &live);
}

bool HandleWindowKey(LiveWindow& live, const GdkEventKey& key) {
    const guint mods = key.state & kModifiers;
    const WindowRecord& window = live.description->window;
    switch (key.keyval) {
        case GDK_KEY_Escape:
            if (mods != 0) return false;
            // In full screen Esc belongs to the page: it leaves full screen.
            if (PageInFullScreen(live)) return false;
            if (!window.escCloses) return false;
            gtk_window_close(GTK_WINDOW(live.window));
            return true;
        case GDK_KEY_Tab:
        case GDK_KEY_KP_Tab:
        case GDK_KEY_ISO_Left_Tab:
            if (mods & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return false;
            return MoveFocus(live, (mods & GDK_SHIFT_MASK) || key.keyval == GDK_KEY_ISO_Left_Tab);
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter:
        case GDK_KEY_ISO_Enter:
            // No default button and Enter does not move the focus; a push button
            // ignores the key, a page gets it.
            return FocusOnButton(live);
        case GDK_KEY_Up:
        case GDK_KEY_Down:
        case GDK_KEY_Left:
        case GDK_KEY_Right:
            // Arrows do not walk between buttons; only Tab moves the focus.
            return mods == 0 && FocusOnButton(live);
        default:
            break;
    }
    if (mods == GDK_MOD1_MASK) return ClickByAccessKey(live, key.keyval);
    return false;
}

}  // namespace vantelo
