#include "app/program_icon.h"

#include <initializer_list>

extern "C" void vantelo_resources_register_resource(void);

namespace vantelo {

GList* ProgramIcons() {
    static GList* icons = [] {
        vantelo_resources_register_resource();
        GList* list = nullptr;
        GdkPixbuf* picture = gdk_pixbuf_new_from_resource("/org/vantelo/launcher/DEFAULT_ICON.png", nullptr);
        if (!picture) return list;
        for (int size : {32, 16}) {
            GdkPixbuf* icon = gdk_pixbuf_scale_simple(picture, size, size, GDK_INTERP_BILINEAR);
            if (icon) list = g_list_append(list, icon);  // kept for the whole process
        }
        g_object_unref(picture);
        return list;
    }();
    return icons;
}

}  // namespace vantelo
