#include <gtest/gtest.h>

#include <ostream>

#include "app/access_key.h"

namespace vantelo {
namespace {

struct CaptionCase {
    const char* caption;
    const char* shown;  // in GTK's mnemonic form
    char key;
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.caption; }


class CaptionAccessKey : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionAccessKey, MnemonicFormAndKey) {
    const CaptionCase& c = GetParam();
    EXPECT_EQ(MnemonicLabelText(c.caption), c.shown);
    EXPECT_EQ(AccessKeyOf(c.caption), c.key);
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionAccessKey, ::testing::Values(
    CaptionCase{"Vantelo", "Vantelo", 0},
    CaptionCase{"&Video", "_Video", 'v'},
    CaptionCase{"电视剧&V", "电视剧_V", 'v'},
    CaptionCase{"Top &1", "Top _1", '1'},
    CaptionCase{"Tom && Jerry", "Tom & Jerry", 0},
    CaptionCase{"&&&x", "&_x", 'x'},
    CaptionCase{"snake_case", "snake__case", 0},
    CaptionCase{"end&", "end", 0},
    CaptionCase{"&电影", "_电影", 0},          // underlined, but Alt takes letters and digits only
    CaptionCase{"a&b&c", "a_b_c", 'b'},        // the first one is the key
    CaptionCase{"", "", 0},
    CaptionCase{"&-", "_-", 0}));

}  // namespace
}  // namespace vantelo
