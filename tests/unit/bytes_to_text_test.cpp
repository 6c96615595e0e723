#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "remote/bytes_to_text.h"

namespace vantelo {
namespace {

struct TextCase {
    std::string bytes;
    std::string text;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.bytes.size() << " bytes"; }


class BytesToTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(BytesToTextCases, TakesTheBytesBeforeTheFirstZero) {
    const TextCase& c = GetParam();
    ByteString bytes(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(bytes.size(), c.bytes.size());
    Text text = BytesToText(bytes);
    EXPECT_EQ(std::string(text.c_str(), text.length()), c.text);
    EXPECT_EQ(text.empty(), c.text.empty());
}

INSTANTIATE_TEST_SUITE_P(Bytes, BytesToTextCases, ::testing::Values(
    TextCase{"", ""},
    TextCase{"abc\r\n", "abc\r\n"},
    TextCase{std::string("\0abc", 4), ""},
    TextCase{std::string("ab\0cd", 5), "ab"},
    TextCase{"\xEF\xBB\xBFhello", "\xEF\xBB\xBFhello"},            // a UTF-8 byte-order mark stays
    TextCase{std::string("\xFF\xFEh\0i\0", 6), "\xFF\xFEh"},        // UTF-16LE: mark and first low byte
    TextCase{"  spaced  ", "  spaced  "}));

TEST(ByteStringTest, GrowsToALargeBodyInOneBuffer) {
    ByteString body;
    std::string piece(100000, 'x');
    for (int i = 0; i < 100; ++i) body.Append(piece.data(), piece.size());
    EXPECT_EQ(body.size(), 10'000'000u);
    EXPECT_EQ(body.data()[9'999'999], 'x');
}

}  // namespace
}  // namespace vantelo
