// The notes the commands leave in the window.
#include "app/messages.h"

namespace message {

std::string PrintedNote(const PrintStatus& printed) {
  const std::string pages = "共 " + std::to_string(printed.pages) + " 页）";
  if (!printed.file.empty()) {
    return "计算书已保存为 " + printed.file + "（" + pages;
  }
  return "计算书已发送到打印机 " + printed.printer + "（作业 " + std::to_string(printed.job) +
         "，" + pages;
}

}  // namespace message
