// WebKitGTK 2.42 brought a DMA-BUF renderer that, on NVIDIA's proprietary driver
// under X11, leaves the web view blank (the page loads and answers clicks, but
// nothing is painted). Turning that renderer off brings the page back at a small
// cost in speed. Remove this file once Debian's WebKitGTK paints on NVIDIA/X11
// without it: start the launcher there with the variable unset and look.
#include "web/render_workaround.h"

#include <gdk/gdk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

#include <cstdlib>
#include <unistd.h>

namespace vantelo {

void ApplyRenderWorkaround() {
    static bool applied = false;
    if (applied) return;
    applied = true;
    // A value the user set, either way, stands.
    if (std::getenv("WEBKIT_DISABLE_DMABUF_RENDERER")) return;
    bool x11 = false;
#ifdef GDK_WINDOWING_X11
    GdkDisplay* display = gdk_display_get_default();
    x11 = display && GDK_IS_X11_DISPLAY(display);
#endif
    const bool nvidia = access("/proc/driver/nvidia/version", F_OK) == 0;
    if (x11 && nvidia) setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", 0);
}

}  // namespace vantelo
