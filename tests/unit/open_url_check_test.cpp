#include <gtest/gtest.h>

#include <ostream>

#include "web/open_url_externally.h"

namespace vantelo {
namespace {

struct AddressCase {
    const char* address;
    bool opens;
};
void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.address; }


class ExternalAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ExternalAddress, OnlyWebAddressesGoToTheDesktop) {
    EXPECT_EQ(MayOpenExternally(GetParam().address), GetParam().opens) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(Addresses, ExternalAddress, ::testing::Values(
    AddressCase{"http://forum.example/", true},
    AddressCase{"HTTPS://forum.example/x\r\n", true},
    AddressCase{"hTtP://a", true},
    AddressCase{"", false},
    AddressCase{"file:///etc/passwd", false},
    AddressCase{"/usr/share/applications/xterm.desktop", false},
    AddressCase{"xterm.desktop", false},
    AddressCase{"javascript:alert(1)", false},
    AddressCase{" http://leading.space/", false},
    AddressCase{"httpx://a", false},
    AddressCase{"ftp://a/b", false},
    AddressCase{"http", false}));

}  // namespace
}  // namespace vantelo
