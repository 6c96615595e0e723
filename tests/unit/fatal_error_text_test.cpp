#include <gtest/gtest.h>

#include "app/fatal_error.h"

namespace vantelo {
namespace {

TEST(FatalErrorText, IsTheRuntimeErrorLineThenTheMessage) {
    EXPECT_EQ(FatalErrorText("载入启动窗口失败"), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    EXPECT_EQ(FatalErrorText(""), "运行时出错!\r\n\r\n");
    EXPECT_EQ(OutOfMemoryMessage(1073741824), "分配 1073741824 字节内存失败!");
}

}  // namespace
}  // namespace vantelo
