// Every message the program shows in a message box.
#pragma once

namespace message {

inline constexpr const char* kNotANumber = "输入的不是有效数值，请重新输入。";
inline constexpr const char* kOutOfRange = "输入的数值超出允许范围，请重新输入。";
inline constexpr const char* kZeroTurnDirection =
    "平曲线走向不能为零：右偏输入正数，左偏输入负数。";
inline constexpr const char* kBadCurvePosition =
    "超高渐变段的位置只能输入 1（第一缓和曲线）或 2（第二缓和曲线）。";
inline constexpr const char* kZeroLength = "终点桩号与起点桩号相同，超高渐变段长度不能为零。";
inline constexpr const char* kBadMode = "请输入 N（单点计算）或 Y（连续计算）。";
inline constexpr const char* kZeroInterval = "断面间距不能为零。";
inline constexpr const char* kTooManySections =
    "计算断面过多：断面数不能超过 32767，请加大断面间距。";
inline constexpr const char* kNegativeCount =
    "按此间距无法从第一个计算断面到达终点桩号，请检查断面间距的正负号。";
inline constexpr const char* kComputationOutOfRange = "计算结果超出数值范围，本次计算已取消。";
inline constexpr const char* kNothingToPrint = "尚无计算结果，无法打印。";
inline constexpr const char* kPrintFailed = "打印失败：";  // followed by the printer's reason

inline constexpr const char* kAll[] = {
    kNotANumber,     kOutOfRange,   kZeroTurnDirection, kBadCurvePosition, kZeroLength,
    kBadMode,        kZeroInterval, kTooManySections,   kNegativeCount,    kComputationOutOfRange,
    kNothingToPrint,
};

}  // namespace message
