#include "tests/support/page.h"

#include "app/shell.h"
#include "tests/support/desktop.h"
#include "web/browser_view.h"

namespace vantelo::test {

WebKitWebView* BoxView() {
    return WEBKIT_WEB_VIEW(FindControl("超文本浏览框1")->browser->widget());
}

namespace {
struct ScriptResult {
    bool done = false;
    std::string value;
};

void Finished(GObject* view, GAsyncResult* result, gpointer data) {
    auto* r = static_cast<ScriptResult*>(data);
    JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, nullptr);
    if (value) {
        char* s = jsc_value_to_string(value);
        r->value = s ? s : "";
        g_free(s);
        g_object_unref(value);
    }
    r->done = true;
}
}  // namespace

std::string RunScript(WebKitWebView* view, const std::string& script) {
    ScriptResult r;
    webkit_web_view_evaluate_javascript(view, script.c_str(), -1, nullptr, nullptr, nullptr, Finished, &r);
    PumpUntil([&] { return r.done; }, std::chrono::seconds(10));
    return r.value;
}

std::string Title(WebKitWebView* view) {
    const char* t = webkit_web_view_get_title(view);
    return t ? t : "";
}

bool WaitForTitle(WebKitWebView* view, const std::string& title, int seconds) {
    return PumpUntil([&] { return Title(view) == title; }, std::chrono::seconds(seconds));
}

}  // namespace vantelo::test
