#pragma once
// Runs a replay script against the core with no window.
//
// Script: UTF-8, one command a line; a trailing CR is dropped; blank lines
// and lines starting with '#' are skipped.
//   click N      press CommandN (1..22)
//   answer TEXT  queue TEXT as the next reply to the name prompt ("" = cancel)
//   text TEXT    replace Text1 ("\n" is a line break, "\\" a backslash)
//   save PATH    save the drawing to PATH (a failure prints its message)
//   open PATH    open the drawing in PATH (a refusal prints its message)
//   leave ANSWER queue 保存, 不保存 or 取消 as the next answer to the
//                question an exit button asks before unsaved changes are
//                left; asked only in scripts that use save, open or leave
//   undo, redo   撤销 and 重做 ("ignored: undo" when there is nothing to undo)
//   rename ROW COL [all]
//                rename the device whose name stands at the name-row cell
//                (ROW, COL), taking the new name from the queued answer;
//                with all, every element of that name
//   new          新建图纸 (asks the question before leaving as open does)
//   picture PATH write the drawing's picture as SVG
//   dump         print the state block
#include <istream>
#include <ostream>
#include <string>

namespace lp {

struct ReplayOptions {
    std::string exportDir = ".";
    // Off: save and open are refused as errors (for scripts made of any
    // bytes, which must not write files wherever they name).
    bool drawingFiles = true;
};

// Reads the script from `script` to its end. Returns the exit status: 0 at
// the end of the script or after an exit button, 2 on an error (reported on
// `err` as "error: line K: ...").
int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayOptions& options);

}  // namespace lp
