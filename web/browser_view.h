#pragma once
// The engine's view of a web page inside the BrowserBox: WebKitGTK, with the
// box's settings, a session that outlives the program, new windows of its own
// and full screen for video.
#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "app/window_description.h"

namespace vantelo {

class BrowserView {
public:
    using FullScreenChanged = std::function<void(bool entering)>;

    // nullptr when the engine's view cannot be made.
    static BrowserView* Create(const HtmlViewerSettings& settings, FullScreenChanged onFullScreen);

    GtkWidget* widget() const { return view_; }
    // Stores a copy of the address and starts a navigation to it at once; the
    // text goes to the engine as it is (an empty one included).
    void Navigate(const std::string& address);
    const std::string& address() const { return address_; }
    bool fullScreen() const { return fullScreen_; }

    // Zoom of text for the five FontSize steps, 0 smallest to 4 largest.
    static double TextZoomFor(int fontSize);

private:
    BrowserView() = default;
    static void Destroyed(gpointer self);
    static gboolean OnEnterFullScreen(GtkWidget*, gpointer self);
    static gboolean OnLeaveFullScreen(GtkWidget*, gpointer self);

    GtkWidget* view_ = nullptr;
    std::string address_;
    bool fullScreen_ = false;
    FullScreenChanged onFullScreen_;
};

}  // namespace vantelo
