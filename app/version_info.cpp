// The program's version facts, kept in the binary as readable strings, one
// field a line, so that `strings` shows them.
#include "build_config.h"

namespace vantelo {

[[gnu::used]] extern const char kVersionInfo[] =
    "FileVersion=" VANTELO_VERSION "\n"
    "ProductVersion=" VANTELO_VERSION "\n"
    "FileDescription=VanteloPemrik版\n"
    "ProductName=VanteloPemrik版\n"
    "CompanyName=VanteloPemrik版\n"
    "Comments=VanteloPemrik版\n"
    "LegalCopyright=VanteloPemrik版\n"
    "LegalTrademarks=VanteloPemrik版\n"
    "InternalName=VanteloPemrik版\n"
    "OriginalFilename=VanteloPemrik版\n";

}  // namespace vantelo
