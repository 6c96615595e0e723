#include "web/engine_session.h"

#include "app/gobject_ref.h"

namespace vantelo {

WebKitWebContext* EngineSession() {
    static GObjectRef<WebKitWebContext> context;
    if (context) return context.get();

    GCharsRef data(g_build_filename(g_get_user_data_dir(), "vantelo", nullptr));
    GCharsRef cache(g_build_filename(g_get_user_cache_dir(), "vantelo", nullptr));
    auto manager = GObjectRef<WebKitWebsiteDataManager>::Adopt(webkit_website_data_manager_new(
        "base-data-directory", data.get(), "base-cache-directory", cache.get(), nullptr));
    if (!manager) return nullptr;
    context = GObjectRef<WebKitWebContext>::Adopt(webkit_web_context_new_with_website_data_manager(manager.get()));
    if (!context) return nullptr;

    // Left to itself the engine keeps cookies in memory only.
    GCharsRef cookies(g_build_filename(data.get(), "cookies.sqlite", nullptr));
    webkit_cookie_manager_set_persistent_storage(webkit_website_data_manager_get_cookie_manager(manager.get()),
                                                 cookies.get(), WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
    return context.get();
}

}  // namespace vantelo
