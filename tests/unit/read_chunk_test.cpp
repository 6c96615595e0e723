#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>

#include "remote/read_chunk.h"

namespace vantelo {
namespace {

struct ChunkCase {
    std::optional<std::string> header;
    std::size_t chunk;
};
void PrintTo(const ChunkCase& c, std::ostream* os) { *os << (c.header ? *c.header : "(none)"); }


class ReadChunk : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(ReadChunk, FollowsContentLength) {
    const auto& c = GetParam();
    std::optional<std::string_view> value;
    if (c.header) value = *c.header;
    EXPECT_EQ(ReadChunkFor(value), c.chunk) << (c.header ? *c.header : "(no header)");
}

INSTANTIATE_TEST_SUITE_P(Headers, ReadChunk, ::testing::Values(
    ChunkCase{std::nullopt, 10240},
    ChunkCase{"0", 10240},
    ChunkCase{"-5", 10240},
    ChunkCase{"-0", 10240},
    ChunkCase{"abc", 10240},
    ChunkCase{"", 10240},
    ChunkCase{"1", 2},
    ChunkCase{"5", 6},
    ChunkCase{"  \t42", 43},
    ChunkCase{"+42", 43},
    ChunkCase{"42abc", 43},
    ChunkCase{"4 2", 5},
    ChunkCase{"102398", 102399},
    ChunkCase{"102399", 102400},
    ChunkCase{"102400", 102400},
    ChunkCase{"18446744073709551616", 102400},            // 2^64: too large for any integer
    ChunkCase{"9999999999999999999999999999999", 102400},  // 31 characters: still fits the buffer
    ChunkCase{"99999999999999999999999999999999", 10240},  // 32: too long for the buffer, as no header
    ChunkCase{"- 5", 10240}));

}  // namespace
}  // namespace vantelo
