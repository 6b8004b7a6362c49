// The notes the commands leave in the window.
#include "app/messages.h"

namespace message {

std::string PrinterStopped(const std::string& printer) {
  return "打印机 " + printer + " 已停止";
}

std::string PrinterNotAccepting(const std::string& printer) {
  return "打印机 " + printer + " 不接受打印作业";
}

std::string JobRefused(const std::string& printer, const std::string& service_error) {
  return "打印机 " + printer + " 未接受打印作业（" + service_error + "）";
}

std::string FileNotWritten(const std::string& path, const std::string& system_error) {
  return "无法写入文件 " + path + "（" + system_error + "）";
}

std::string PrintedNote(const PrintStatus& printed) {
  const std::string pages = "共 " + std::to_string(printed.pages) + " 页）";
  if (!printed.file.empty()) {
    return "计算书已保存为 " + printed.file + "（" + pages;
  }
  return "计算书已发送到打印机 " + printed.printer + "（作业 " + std::to_string(printed.job) +
         "，" + pages;
}

std::string DiagramSavedNote(const std::string& path) {
  return "示意图已保存为 " + path;
}

}  // namespace message
