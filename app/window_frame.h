#pragma once
// What the window manager draws around a client window (border and title bar),
// so that the outer size can be the one the description gives.
#include <gtk/gtk.h>

namespace vantelo {

struct FrameExtents {
    int left = 0, right = 0, top = 0, bottom = 0;
};

// Asks the window manager, before the window is mapped, what frame it will add;
// none without a window manager that answers. `window` must be realized.
FrameExtents RequestFrameExtents(GtkWidget* window);
// The frame of a mapped window as the window manager last announced it.
FrameExtents CurrentFrameExtents(GtkWidget* window);
// Whether `event` announces a new frame for the window.
bool IsFrameExtentsChange(const GdkEventProperty* event);

}  // namespace vantelo
