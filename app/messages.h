// The messages and notes of the commands (the dialogue's refusals are in entry/refusal_texts.h).
#pragma once

#include <string>

#include "app/printer.h"

namespace message {

inline constexpr const char* kComputationOutOfRange = "计算结果超出数值范围，本次计算已取消。";
inline constexpr const char* kNothingToPrint = "尚无计算结果，无法打印。";
inline constexpr const char* kPrintFailed = "打印失败：";  // followed by the printer's reason
inline constexpr const char* kSaveFailed = "保存失败：";   // followed by the reason

inline constexpr const char* kAll[] = {kComputationOutOfRange, kNothingToPrint};

// Why a report did not go out, following kPrintFailed.
std::string PrinterStopped(const std::string& printer);
std::string PrinterNotAccepting(const std::string& printer);
std::string JobRefused(const std::string& printer, const std::string& service_error);
std::string FileNotWritten(const std::string& path, const std::string& system_error);

// The note after a report went out: "计算书已发送到打印机 PDF（作业 12，共 8 页）", or
// "计算书已保存为 /home/…/超高渐变段横坡计算书.pdf（共 8 页）".
std::string PrintedNote(const PrintStatus& printed);

// The note after the diagram was saved: "示意图已保存为 /home/…/超高渐变段横坡示意图.png".
std::string DiagramSavedNote(const std::string& path);

}  // namespace message
