#include "web/browser_view.h"

#include <webkit2/webkit2.h>

#include <algorithm>

#include "app/gobject_ref.h"
#include "web/engine_session.h"
#include "web/page_windows.h"
#include "web/render_workaround.h"

namespace vantelo {

double BrowserView::TextZoomFor(int fontSize) {
    static constexpr double kSteps[] = {0.75, 0.875, 1.0, 1.25, 1.5};
    return kSteps[std::clamp(fontSize, 0, 4)];
}

namespace {

gboolean SuppressScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer) { return TRUE; }

}  // namespace

BrowserView* BrowserView::Create(const HtmlViewerSettings& settings, FullScreenChanged onFullScreen) {
    ApplyRenderWorkaround();
    WebKitWebContext* context = EngineSession();
    if (!context) return nullptr;
    GtkWidget* view = webkit_web_view_new_with_context(context);
    if (!view) return nullptr;

    auto* self = new BrowserView();
    self->view_ = view;
    self->onFullScreen_ = std::move(onFullScreen);
    g_object_set_data_full(G_OBJECT(view), "vantelo-browser-view", self, Destroyed);

    WebKitWebView* web = WEBKIT_WEB_VIEW(view);
    WebKitSettings* engine = webkit_web_view_get_settings(web);
    webkit_settings_set_enable_fullscreen(engine, TRUE);
    webkit_settings_set_enable_media(engine, TRUE);
    webkit_settings_set_enable_mediasource(engine, TRUE);

    // The settings in their order: Offline, Silent, then the text size.
    // WebKitGTK has no cache-only mode, so Offline changes nothing here.
    (void)settings.offline;
    if (settings.silent) g_signal_connect(view, "script-dialog", G_CALLBACK(SuppressScriptDialog), nullptr);
    webkit_settings_set_zoom_text_only(engine, TRUE);
    webkit_web_view_set_zoom_level(web, TextZoomFor(settings.fontSize));

    AllowNewWindows(web);
    g_signal_connect(view, "enter-fullscreen", G_CALLBACK(OnEnterFullScreen), self);
    g_signal_connect(view, "leave-fullscreen", G_CALLBACK(OnLeaveFullScreen), self);
    return self;
}

void BrowserView::Destroyed(gpointer self) { delete static_cast<BrowserView*>(self); }

void BrowserView::Navigate(const std::string& address) {
    address_ = address;
    webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view_), address_.c_str());
}

gboolean BrowserView::OnEnterFullScreen(GtkWidget*, gpointer data) {
    auto* self = static_cast<BrowserView*>(data);
    self->fullScreen_ = true;
    if (self->onFullScreen_) self->onFullScreen_(true);
    return FALSE;  // the engine goes on and puts the top-level window in full screen
}

gboolean BrowserView::OnLeaveFullScreen(GtkWidget*, gpointer data) {
    auto* self = static_cast<BrowserView*>(data);
    self->fullScreen_ = false;
    if (self->onFullScreen_) self->onFullScreen_(false);
    return FALSE;
}

}  // namespace vantelo
