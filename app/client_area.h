#pragma once
// The window's client area: a container that is exactly the size it is told,
// whatever its children would like, and that gives every child exactly its
// stored rectangle (which may reach past the edges, where the window clips it).
#include <gtk/gtk.h>

G_BEGIN_DECLS
G_DECLARE_FINAL_TYPE(VanteloClientArea, vantelo_client_area, VANTELO, CLIENT_AREA, GtkFixed)
G_END_DECLS

namespace vantelo {

GtkWidget* NewClientArea(int width, int height);
void SetClientAreaSize(GtkWidget* area, int width, int height);
// Adds `child` on top of the children so far, at its stored rectangle.
void PlaceInClientArea(GtkWidget* area, GtkWidget* child, int left, int top, int width, int height);
GdkRectangle StoredRectangle(GtkWidget* child);
// While set, `child` covers the whole area (a page in full screen); nullptr ends it.
void SetClientAreaFillChild(GtkWidget* area, GtkWidget* child);

}  // namespace vantelo
