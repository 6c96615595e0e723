#pragma once
// MainWindow itself: a fixed-size top-level window with a title bar, a close
// button and the window menu's Move and Close, centred on the primary monitor,
// whose outer size (frame included) is the stored one.
#include <gtk/gtk.h>

#include "app/window_description.h"

namespace vantelo {

// x = (screen − outer) / 2, truncated toward zero; likewise y.
constexpr int CentredOrigin(int screen, int outer) { return (screen - outer) / 2; }

// The window, hidden, realized, placed and sized; nullptr if it cannot be made.
GtkWidget* BuildMainWindow(const WindowRecord& record);
GtkWidget* MainWindowClientArea(GtkWidget* window);
// Shows the window (first map) and keeps its outer size right from then on.
void ShowMainWindow(GtkWidget* window);
// A page of `child` (the BrowserBox) takes the whole window in full screen, or,
// with nullptr, gives it back to the layout as it was.
void SetPageFullScreen(GtkWidget* window, GtkWidget* child);

}  // namespace vantelo
