#pragma once
// A label that asks for no room of its own: it takes the size its control was
// given, lays its text out in it and shows no more than fits.
#include <gtk/gtk.h>

G_BEGIN_DECLS
G_DECLARE_FINAL_TYPE(VanteloFixedSizeLabel, vantelo_fixed_size_label, VANTELO, FIXED_SIZE_LABEL, GtkLabel)
G_END_DECLS

namespace vantelo {
GtkWidget* NewFixedSizeLabel();
}
