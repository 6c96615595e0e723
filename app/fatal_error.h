#pragma once
// The only errors a user ever sees: the program cannot go on, says so in one
// error box, and ends with status 255.
#include <cstddef>
#include <string>


typedef struct _GtkWidget GtkWidget;

namespace vantelo {

inline constexpr const char* kFatalErrorTitle = "错误";
inline constexpr const char* kLoadWindowFailed = "载入启动窗口失败";
inline constexpr int kFatalExitStatus = 255;  // -1 as the process sees it

// "运行时出错!\r\n\r\n", then, for a message, "错误信息：", the message and "\r\n".
std::string FatalErrorText(const std::string& message);
// "分配 N 字节内存失败!" for N bytes.
std::string OutOfMemoryMessage(std::size_t bytes);

// The error box itself: no owner, the error icon, the text and an OK button.
GtkWidget* BuildFatalErrorDialog(const std::string& text);

// Holds every event, shows the box (standard error when there is no display),
// cleans up and ends the process. Never returns.
[[noreturn]] void ReportFatalError(const std::string& message);
[[noreturn]] void ReportOutOfMemory(std::size_t bytes);

}  // namespace vantelo
