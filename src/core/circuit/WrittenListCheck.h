#pragma once
// "校验语句表": a list the user wrote or edited in Text1, checked against the
// drawing by the same reading of both as the check of every conversion.
//
// The list agrees when it is well formed, has END exactly where the drawing
// wants it, and leaves every device with the same value as the drawing
// after a scan, whatever the values at the start of the scan: a PLC that
// runs either one goes through the same states. Where it does not, the
// answer is one start of a scan that tells the two apart.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lp {

class Sheet;

struct ListVerdict {
    enum class Kind {
        Agrees,
        Line,     // line `line` is no instruction or breaks the list's structure: `why`
        Differs,  // under `assignment`, `coil` gets `drawingValue` from the drawing, `listValue` from the list
        Refused,  // the drawing cannot be written as a list: `why` is the conversion's message
    };
    Kind kind = Kind::Agrees;
    std::size_t line = 0;
    std::string why;
    std::vector<std::pair<std::string, bool>> assignment;  // every device read, in code-point order
    std::string coil;
    bool drawingValue = false;
    bool listValue = false;
    // Names of the drawing that differ in letter case only, named for the
    // user (see twoSpellingsNote); empty when there are none.
    std::string note;
};

// Why the conversion would refuse the drawing, nothing when it writes it;
// asked once the text reads as a list.
using DrawingRefusal = std::function<std::optional<std::string>()>;

// `text` as the user typed it (see ListSyntax::Typed); a device name that
// matches a name of the drawing apart from letter case is that device (see
// matchDrawingNames).
ListVerdict checkWrittenList(const Sheet& sheet, int curRow, int curCol, std::string_view text,
                             const DrawingRefusal& refusal);

// The answer in plain Chinese, as the message box shows it, the note on a
// line of its own after it.
std::string verdictMessage(const ListVerdict& verdict);

}  // namespace lp
