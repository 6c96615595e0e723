#pragma once
#include "app/memory_blocks.h"

namespace vantelo {
// The bytes before the first zero byte, copied unchanged; no conversion, no trimming.
Text BytesToText(const ByteString& bytes);
}
