#include "circuit/Refusal.h"

namespace lp {

std::string refusalMessage(RefusalReason reason, int row, const std::string& coil, int col) {
    const std::string where = "第" + std::to_string(row) + "行：";
    const std::string named = "“" + coil + "”";
    std::string why;
    switch (reason) {
    case RefusalReason::NoCoil: why = "该梯级没有输出线圈"; break;
    case RefusalReason::CoilJoinedToNothing: why = "输出线圈" + named + "没有接通左母线"; break;
    case RefusalReason::ParallelCoilWithoutCoil: why = "并联线圈" + named + "的上方没有可以挂接的输出线圈"; break;
    case RefusalReason::CoilOnRail: why = "输出线圈" + named + "没有经过任何触点，直接接在左母线上"; break;
    case RefusalReason::NotSeriesParallel:
        why = "第" + std::to_string(col) + "列的触点" + named + "构成桥式连接，该梯级不能分解为串联和并联，通路也多得无法逐条列出";
        break;
    case RefusalReason::RereadsOwnCoil: why = "该梯级的分支读取了本梯级先输出的线圈，逐个输出会改变结果"; break;
    case RefusalReason::TooComplex: return "梯形图过于复杂，无法生成语句表";
    }
    return where + why + "，无法生成语句表";
}

}  // namespace lp
