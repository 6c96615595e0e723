// Build tool: makes the hicolor theme's smaller icons from the 128-pixel picture.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: scale_icon IN.png SIZE OUT.png\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    GError* error = nullptr;
    GdkPixbuf* icon = gdk_pixbuf_new_from_file_at_scale(argv[1], size, size, TRUE, &error);
    if (!icon || !gdk_pixbuf_save(icon, argv[3], "png", &error, nullptr)) {
        std::fprintf(stderr, "scale_icon: %s\n", error ? error->message : "failed");
        return 1;
    }
    g_object_unref(icon);
    return 0;
}
