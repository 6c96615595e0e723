#include "app/fixed_size_label.h"

struct _VanteloFixedSizeLabel {
    GtkLabel parent_instance;
};

G_DEFINE_TYPE(VanteloFixedSizeLabel, vantelo_fixed_size_label, GTK_TYPE_LABEL)

namespace {

void NoSize(GtkWidget*, int* minimum, int* natural) { *minimum = *natural = 0; }
void NoSizeFor(GtkWidget*, int, int* minimum, int* natural) { *minimum = *natural = 0; }
void NoSizeWithBaseline(GtkWidget*, int, int* minimum, int* natural, int* min_baseline, int* nat_baseline) {
    *minimum = *natural = 0;
    if (min_baseline) *min_baseline = -1;
    if (nat_baseline) *nat_baseline = -1;
}

void SizeAllocate(GtkWidget* widget, GtkAllocation* allocation) {
    GTK_WIDGET_CLASS(vantelo_fixed_size_label_parent_class)->size_allocate(widget, allocation);
    gtk_widget_set_clip(widget, allocation);  // what does not fit is cut off
}

}  // namespace

static void vantelo_fixed_size_label_class_init(VanteloFixedSizeLabelClass* klass) {
    GtkWidgetClass* widget_class = GTK_WIDGET_CLASS(klass);
    widget_class->get_preferred_width = NoSize;
    widget_class->get_preferred_height = NoSize;
    widget_class->get_preferred_width_for_height = NoSizeFor;
    widget_class->get_preferred_height_for_width = NoSizeFor;
    widget_class->get_preferred_height_and_baseline_for_width = NoSizeWithBaseline;
    widget_class->size_allocate = SizeAllocate;
}

static void vantelo_fixed_size_label_init(VanteloFixedSizeLabel*) {}

namespace vantelo {
GtkWidget* NewFixedSizeLabel() {
    return GTK_WIDGET(g_object_new(vantelo_fixed_size_label_get_type(), nullptr));
}
}  // namespace vantelo
