#pragma once
// Tooltips of the main window's buttons.
#include <string>

namespace lp {

class Ladder;

// The tooltip of CommandN, or the empty text when it has none. The export
// button names the full path of the file it writes, e.g.
// "写入文件：/home/user/Documents/生成的语句表.txt", since the export itself
// shows nothing.
std::string buttonTip(const Ladder& ladder, int n);

}  // namespace lp
