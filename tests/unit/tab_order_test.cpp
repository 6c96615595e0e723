#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tab_order.h"

namespace vantelo {
namespace {

std::vector<std::string> Names(std::span<const ControlRecord> controls) {
    std::vector<std::string> names;
    for (std::size_t i : TabOrder(controls)) names.push_back(controls[i].name);
    return names;
}

TEST(TabOrder, MainWindowRunsFromButton1ToButton7SkippingLabels) {
    EXPECT_EQ(Names(MainWindowDescription().controls),
              (std::vector<std::string>{"按钮1", "按钮2", "按钮3", "按钮4", "按钮5", "按钮6", "超文本浏览框1", "按钮7"}));
}

TEST(TabOrder, SortsByValueThenReverseStoredOrderAndSkipsHiddenOrDisabled) {
    std::vector<ControlRecord> c = {
        {ControlKind::Button, "a", 0, 0, 1, 1}, {ControlKind::Button, "b", 0, 0, 1, 1},
        {ControlKind::Button, "c", 0, 0, 1, 1}, {ControlKind::Button, "d", 0, 0, 1, 1},
        {ControlKind::Label, "e", 0, 0, 1, 1}};
    for (auto& r : c) r.tabStop = true;
    c[4].tabStop = false;
    c[0].tabOrder = 1;  // last by value
    c[2].visible = false;
    c[3].disabled = true;
    EXPECT_EQ(Names(c), (std::vector<std::string>{"b", "a"}));
}

}  // namespace
}  // namespace vantelo
