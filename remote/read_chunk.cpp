#include "remote/read_chunk.h"

namespace vantelo {

std::size_t ReadChunkFor(std::optional<std::string_view> value) {
    if (!value || value->size() + 1 > ContentLengthBufferSize) return DefaultReadChunk;
    std::string_view v = *value;
    std::size_t i = 0;
    while (i < v.size() && (v[i] == ' ' || v[i] == '\t' || v[i] == '\n' || v[i] == '\r' || v[i] == '\f' ||
                            v[i] == '\v'))
        ++i;
    bool negative = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) negative = v[i++] == '-';
    // Only whether the number reaches the largest chunk matters, so it saturates
    // there: a value too large for any integer still gives the largest chunk.
    std::size_t number = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) {
        number = number * 10 + static_cast<std::size_t>(v[i] - '0');
        if (number >= MaxReadChunk) number = MaxReadChunk;
    }
    if (negative || number == 0) return DefaultReadChunk;
    return number + 1 > MaxReadChunk ? MaxReadChunk : number + 1;
}

}  // namespace vantelo
