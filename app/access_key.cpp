#include "app/access_key.h"

namespace vantelo {

std::string MnemonicLabelText(std::string_view caption) {
    std::string out;
    out.reserve(caption.size() + 8);
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            } else if (i + 1 < caption.size()) {
                out += '_';
            }
            // A lone ampersand at the very end marks nothing and shows nothing.
        } else if (c == '_') {
            out += "__";
        } else {
            out += c;
        }
    }
    return out;
}

char AccessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'A' && next <= 'Z') return static_cast<char>(next - 'A' + 'a');
        if ((next >= 'a' && next <= 'z') || (next >= '0' && next <= '9')) return next;
        return 0;
    }
    return 0;
}

}  // namespace vantelo
