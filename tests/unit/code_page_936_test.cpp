#include <gtest/gtest.h>

#include <string>

#include "remote/code_page_936.h"

namespace vantelo {
namespace {

std::string Decode(const std::string& bytes) { return DecodeCodePage936(bytes.data(), bytes.size()); }

TEST(CodePage936, DecodesGbkChinese) {
    EXPECT_EQ(Decode("\xB5\xE7\xD3\xB0"), "电影");
    EXPECT_EQ(Decode("\xD7\xDB\xD2\xD5\r\n\xB6\xAF\xC2\xFE"), "综艺\r\n动漫");
    EXPECT_EQ(Decode("plain ASCII & more"), "plain ASCII & more");
}

TEST(CodePage936, InvalidBytesBecomeReplacementAndTheRestStays) {
    // 0xFF is no GBK byte; 0x81 0x20 is a lead byte without a trail byte.
    EXPECT_EQ(Decode("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Decode("\x81 x"), "\xEF\xBF\xBD x");
    // Cut short at the very end.
    EXPECT_EQ(Decode("\xB5\xE7\xD3"), "电\xEF\xBF\xBD");
    EXPECT_EQ(Decode(std::string(1000, '\xFF')).size(), 3000u);
}

TEST(CodePage936, EmptyGivesEmpty) { EXPECT_EQ(Decode(""), ""); }

}  // namespace
}  // namespace vantelo
