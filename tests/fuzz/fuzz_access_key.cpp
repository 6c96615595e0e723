#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/access_key.h"

// The mnemonic form never grows past twice the caption, and the key is a lower-case letter or digit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string caption(reinterpret_cast<const char*>(data), size);
    const std::string shown = vantelo::MnemonicLabelText(caption);
    if (shown.size() > 2 * caption.size()) std::abort();
    const char key = vantelo::AccessKeyOf(caption);
    if (key != 0 && !((key >= 'a' && key <= 'z') || (key >= '0' && key <= '9'))) std::abort();
    if (key != 0 && caption.find('&') == std::string::npos) std::abort();
    return 0;
}
