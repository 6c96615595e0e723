#include "remote/code_page_936.h"

#include <cerrno>
#include <iconv.h>

namespace vantelo {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

iconv_t Decoder() {
    static iconv_t decoder = [] {
        iconv_t cd = iconv_open("UTF-8", "CP936");
        if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-8", "GBK");
        return cd;
    }();
    return decoder;
}

}  // namespace

std::string DecodeCodePage936(const char* bytes, std::size_t length) {
    std::string out;
    if (length == 0) return out;
    iconv_t cd = Decoder();
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter at all: ASCII passes, everything else is replaced.
        for (std::size_t i = 0; i < length; ++i)
            out += static_cast<unsigned char>(bytes[i]) < 0x80 ? std::string(1, bytes[i]) : kReplacement;
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    out.resize(length * 3 + 16);
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = length;
    std::size_t used = 0;
    while (inLeft > 0) {
        char* dst = out.data() + used;
        std::size_t dstLeft = out.size() - used;
        const std::size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        used = out.size() - dstLeft;
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ (not GBK) or EINVAL (cut short at the end): one byte becomes U+FFFD.
        if (out.size() - used < sizeof kReplacement) out.resize(out.size() * 2);
        out.replace(used, 3, kReplacement, 3);
        used += 3;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

}  // namespace vantelo
