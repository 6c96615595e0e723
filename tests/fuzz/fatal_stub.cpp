// The fuzz targets run without a window: running out of memory is a finding.
#include <cstdlib>
#include <string>

#include "app/fatal_error.h"

namespace vantelo {
void ReportFatalError(const std::string&) { std::abort(); }
void ReportOutOfMemory(std::size_t) { std::abort(); }
}  // namespace vantelo
