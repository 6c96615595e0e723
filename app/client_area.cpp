#include "app/client_area.h"

struct _VanteloClientArea {
    GtkFixed parent_instance;
    int width;
    int height;
    GtkWidget* fill_child;
};

G_DEFINE_TYPE(VanteloClientArea, vantelo_client_area, GTK_TYPE_FIXED)

namespace {

constexpr const char* kRectKey = "vantelo-stored-rectangle";

void PreferredWidth(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = VANTELO_CLIENT_AREA(widget)->width;
}

void PreferredHeight(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = VANTELO_CLIENT_AREA(widget)->height;
}

void AllocateChild(GtkWidget* child, gpointer data) {
    auto* area = static_cast<VanteloClientArea*>(data);
    GtkAllocation own;
    gtk_widget_get_allocation(GTK_WIDGET(area), &own);
    GtkRequisition unused;
    gtk_widget_get_preferred_size(child, &unused, nullptr);  // GTK wants a measure first
    GtkAllocation a;
    if (child == area->fill_child) {
        a = own;
    } else {
        const GdkRectangle r = vantelo::StoredRectangle(child);
        a = GtkAllocation{own.x + r.x, own.y + r.y, r.width, r.height};
    }
    gtk_widget_size_allocate(child, &a);
}

void SizeAllocate(GtkWidget* widget, GtkAllocation* allocation) {
    gtk_widget_set_allocation(widget, allocation);
    gtk_container_forall(GTK_CONTAINER(widget), AllocateChild, widget);
    gtk_widget_set_clip(widget, allocation);
}

void RectFree(gpointer rect) { g_free(rect); }

}  // namespace

static void vantelo_client_area_class_init(VanteloClientAreaClass* klass) {
    GtkWidgetClass* widget_class = GTK_WIDGET_CLASS(klass);
    widget_class->get_preferred_width = PreferredWidth;
    widget_class->get_preferred_height = PreferredHeight;
    widget_class->size_allocate = SizeAllocate;
}

static void vantelo_client_area_init(VanteloClientArea* self) {
    self->width = self->height = 0;
    self->fill_child = nullptr;
}

namespace vantelo {

GtkWidget* NewClientArea(int width, int height) {
    auto* area = static_cast<VanteloClientArea*>(g_object_new(vantelo_client_area_get_type(), nullptr));
    area->width = width;
    area->height = height;
    return GTK_WIDGET(area);
}

void SetClientAreaSize(GtkWidget* widget, int width, int height) {
    auto* area = VANTELO_CLIENT_AREA(widget);
    if (area->width == width && area->height == height) return;
    area->width = width;
    area->height = height;
    gtk_widget_queue_resize(widget);
}

void PlaceInClientArea(GtkWidget* area, GtkWidget* child, int left, int top, int width, int height) {
    auto* rect = g_new(GdkRectangle, 1);
    *rect = GdkRectangle{left, top, width, height};
    g_object_set_data_full(G_OBJECT(child), kRectKey, rect, RectFree);
    gtk_widget_set_size_request(child, width, height);
    gtk_fixed_put(GTK_FIXED(area), child, left, top);
}

GdkRectangle StoredRectangle(GtkWidget* child) {
    auto* rect = static_cast<GdkRectangle*>(g_object_get_data(G_OBJECT(child), kRectKey));
    return rect ? *rect : GdkRectangle{0, 0, 0, 0};
}

void SetClientAreaFillChild(GtkWidget* widget, GtkWidget* child) {
    VANTELO_CLIENT_AREA(widget)->fill_child = child;
    gtk_widget_queue_resize(widget);
}

}  // namespace vantelo
