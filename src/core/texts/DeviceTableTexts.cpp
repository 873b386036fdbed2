#include "texts/DeviceTableTexts.h"

namespace lp {

std::string inputSwitchText(const std::string& name, bool on) {
    return name + (on ? " = 1（接通）" : " = 0（断开）");
}

std::string lampText(const std::string& name, bool on, bool differs) {
    std::string text = (on ? "● " : "○ ") + name + (on ? " = 1" : " = 0");
    if (differs) text += "  ≠ 梯形图";
    return text;
}

std::string scanCounterText(long scans) { return "扫描次数：" + std::to_string(scans); }

namespace {

std::string bits(const std::vector<uint8_t>& stack) {
    if (stack.empty()) return "空";
    std::string text;
    for (std::size_t i = 0; i < stack.size(); ++i) {
        if (i) text += ' ';
        text += stack[i] ? '1' : '0';
    }
    return text;
}

}  // namespace

std::string branchStackText(const std::vector<uint8_t>& branches) { return "分支栈（自底向上）：" + bits(branches); }

std::string stackText(const std::vector<uint8_t>& stack, std::size_t lastStepLine) {
    std::string text = "栈（自底向上）：" + bits(stack);
    if (lastStepLine) text += "　（第" + std::to_string(lastStepLine) + "行之后）";
    return text;
}

}  // namespace lp
