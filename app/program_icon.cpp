#include "app/program_icon.h"

#include <initializer_list>

extern "C" void vantelo_resources_register_resource(void);

namespace vantelo {

GList* ProgramIcons() {
    static GList* icons = [] {
        vantelo_resources_register_resource();
        GList* list = nullptr;
        for (int size : {32, 16}) {
            GdkPixbuf* icon = gdk_pixbuf_new_from_resource_at_scale("/org/vantelo/launcher/DEFAULT_ICON.png", size,
                                                                    size, TRUE, nullptr);
            if (icon) list = g_list_append(list, icon);  // kept for the whole process
        }
        return list;
    }();
    return icons;
}

}  // namespace vantelo
