#pragma once
// How a process must end when memory for a body cannot be had: status 255 and
// the fatal error text naming the allocation that failed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>

namespace vantelo::test {

inline void ExpectOutOfMemoryEnd(int status, const std::string& text) {
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 255);
    EXPECT_TRUE(text.starts_with("运行时出错!\r\n\r\n错误信息：分配 ")) << text;
    EXPECT_TRUE(text.ends_with(" 字节内存失败!\r\n")) << text;
}

}  // namespace vantelo::test
