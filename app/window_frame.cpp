#include "app/window_frame.h"

#include <gdk/gdkx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

namespace vantelo {
namespace {

bool ReadExtents(Display* display, Window xid, FrameExtents* out) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    const int status = XGetWindowProperty(display, xid, extents, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                                          &after, &data);
    bool ok = status == Success && type == XA_CARDINAL && format == 32 && count == 4;
    if (ok) {
        const auto* v = reinterpret_cast<const long*>(data);
        *out = FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                            static_cast<int>(v[3])};
    }
    if (data) XFree(data);
    return ok;
}

}  // namespace

FrameExtents RequestFrameExtents(GtkWidget* window) {
    FrameExtents extents;
    GdkWindow* gdk = gtk_widget_get_window(window);
    if (!gdk || !GDK_IS_X11_WINDOW(gdk)) return extents;
    GdkScreen* screen = gtk_widget_get_screen(window);
    if (!gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_REQUEST_FRAME_EXTENTS")))
        return extents;

    Display* display = GDK_WINDOW_XDISPLAY(gdk);
    const Window xid = GDK_WINDOW_XID(gdk);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = xid;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &request);
    // The window manager answers by setting the property; it takes a few
    // milliseconds at most, so wait a bounded while for it.
    for (int waited_ms = 0; waited_ms < 500; ++waited_ms) {
        XSync(display, False);
        if (ReadExtents(display, xid, &extents)) return extents;
        usleep(1000);
    }
    return FrameExtents{};
}

FrameExtents CurrentFrameExtents(GtkWidget* window) {
    FrameExtents extents;
    GdkWindow* gdk = gtk_widget_get_window(window);
    if (gdk && GDK_IS_X11_WINDOW(gdk)) ReadExtents(GDK_WINDOW_XDISPLAY(gdk), GDK_WINDOW_XID(gdk), &extents);
    return extents;
}

bool IsFrameExtentsChange(const GdkEventProperty* event) {
    return event->atom == gdk_atom_intern_static_string("_NET_FRAME_EXTENTS");
}

}  // namespace vantelo
