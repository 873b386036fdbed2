#pragma once
// The device table's texts, the same in every front end (UTF-8).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lp {

inline constexpr const char* kDeviceTableTitlePrefix = "器件表 — ";  // then the program's title
inline constexpr const char* kInputsCaption = "输入（点按切换）";
inline constexpr const char* kOutputsCaption = "输出";
inline constexpr const char* kRunText = "运行";
inline constexpr const char* kPauseText = "暂停";
inline constexpr const char* kPeriodPrefix = "周期 ";
inline constexpr const char* kPeriodSuffix = " 毫秒";
inline constexpr const char* kOneScanText = "扫描一次";
inline constexpr const char* kOneStepText = "单步";
inline constexpr const char* kResetText = "复位";
inline constexpr const char* kStopText = "停止仿真";
// The period's range in milliseconds, and its step.
inline constexpr int kMinPeriodMs = 10;
inline constexpr int kMaxPeriodMs = 10000;
inline constexpr int kPeriodStepMs = 10;

// An input's switch: "X01 = 1（接通）", "X01 = 0（断开）".
std::string inputSwitchText(const std::string& name, bool on);
// A computed device's lamp: "● Y01 = 1", "○ Y01 = 0", and "  ≠ 梯形图" after it
// while the list leaves it with another value than the drawing.
std::string lampText(const std::string& name, bool on, bool differs);
// "扫描次数：N".
std::string scanCounterText(long scans);
// The stack, bottom first: "栈（自底向上）：1 0", "…：空", and after the
// last step "　（第K行之后）".
std::string stackText(const std::vector<uint8_t>& stack, std::size_t lastStepLine);
// The branch stack of MPS, MRD and MPP, bottom first: "分支栈（自底向上）：1 0",
// "…：空".
std::string branchStackText(const std::vector<uint8_t>& branches);

}  // namespace lp
