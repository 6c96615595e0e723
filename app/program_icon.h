#pragma once
// The program's icon, a 128 × 128 picture with alpha built into the binary,
// from which the window's large (32 × 32) and small (16 × 16) icons are made.
#include <gtk/gtk.h>

namespace vantelo {

// The two icons, loaded once per process and shared; nullptr when the picture
// cannot be loaded, and the window then simply has no icon of its own.
GList* ProgramIcons();

}  // namespace vantelo
