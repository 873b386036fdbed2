#include "hardening/CommandEffects.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "hardening/HarnessText.h"
#include "sheet/Ladder.h"
#include "sheet/PaletteTables.h"

namespace lp::hardening {

namespace {

constexpr const char* kTitle = "梯形图编辑器";
constexpr const char* kNameTitle = "输入器件名称";
constexpr const char* kContactPrompt = "请输入器件名称(限三个字符,如 X01 )";
constexpr const char* kCoilPrompt = "请输入器件名称(限三个字符,如 Y01 )";
constexpr const char* kBadName = "输入器件名称不合要求，请重新输入器件名称";
constexpr const char* kNoSlot = "本行已没有空位，不能再放置元件";
constexpr const char* kLastRow = "已到图纸最后一行，不能再换行";
constexpr const char* kNoCoilAbove = "第一行上方没有线圈，不能放置并联线圈";
constexpr const char* kBadStructure = "梯形图结构异常，无法转换";

// Each command's table, as the commands have it.
constexpr std::string_view kRailContact = paletteTable::afterRailContact.enabled;
constexpr std::string_view kSeries = paletteTable::afterSeriesElement.enabled;
constexpr std::string_view kSeriesClosing = paletteTable::afterClosingElement.enabled;
constexpr std::string_view kCoil = paletteTable::afterCoil.enabled;
constexpr std::string_view kBlankSlot = paletteTable::afterBlankSlot.enabled;
constexpr std::string_view kEnd = paletteTable::afterEnd.enabled;
constexpr std::string_view kLineFeed = paletteTable::afterLineFeed.enabled;
constexpr std::string_view kReEdit = paletteTable::afterReEdit.enabled;
constexpr std::string_view kStepBackAtRail = paletteTable::afterStepBackAtRail.enabled;
constexpr std::string_view kStepBackInRung = paletteTable::afterStepBackInRung.enabled;
constexpr std::string_view kConvert = paletteTable::afterConvert.enabled;

std::string apply(const std::string& before, std::string_view table) {
    std::string after = before;
    for (std::size_t i = 0; i < table.size() && i < after.size(); ++i)
        if (table[i] != '=') after[i] = table[i];
    return after;
}

std::string_view tableFor(int button, const Ladder& after) {
    switch (button) {
    case 1: case 2: case 3: case 4: return kRailContact;
    case 5: case 6: return kSeries;
    case 7: case 8: return kSeriesClosing;
    case 9: case 21: return kCoil;
    case 15: return kSeries;
    case 16: return kSeriesClosing;
    case 18: return kBlankSlot;
    case 22: return kEnd;
    case 11: return kLineFeed;
    case 12: return kReEdit;
    case 10: return after.state.CurCol == 1 ? kStepBackAtRail : kStepBackInRung;
    case 13: return kConvert;
    default: return "";
    }
}

// "第4行：该梯级没有输出线圈，无法生成语句表": a graphics row, a reason.
bool isRungRefusal(const std::string& text) {
    constexpr std::string_view head = "第";
    constexpr std::string_view row = "行：";
    constexpr std::string_view tail = "，无法生成语句表";
    if (text.rfind(head, 0) != 0) return false;
    std::size_t at = head.size();
    const std::size_t digits = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    if (at == digits || text.compare(at, row.size(), row) != 0) return false;
    return text.size() > at + row.size() + tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool isSlotButton(int n) { return (n >= 1 && n <= 8) || n == 15 || n == 16 || n == 18; }
bool prompts(int n) { return (n >= 1 && n <= 9) || n == 21; }

std::optional<std::string> expectedRefusal(const Before& b, int n) {
    const EditState& s = b.state;
    if (isSlotButton(n) && s.CurCol + 4 > 50) return kNoSlot;
    if (n == 22 && s.CurCol + 9 > 72) return kNoSlot;
    if (n == 11 && s.CurRow >= 260) return kLastRow;
    if (n == 21 && s.CurRow <= 2) return kNoCoilAbove;
    return std::nullopt;
}

struct Checker {
    const Before& b;
    const Ladder& a;
    int n;
    Violations& out;

    void fail(const std::string& what) { out.push_back("click " + std::to_string(n) + ": " + what); }

    void same(long was, long is, const char* what) {
        if (was != is) fail(std::string(what) + " is " + std::to_string(is) + ", expected " + std::to_string(was));
    }

    void cells(int row, int col, std::initializer_list<std::string_view> texts, const char* what) {
        for (std::string_view t : texts) {
            if (a.sheet.cell(row, col) != t)
                fail(std::string(what) + ": cell (" + std::to_string(row) + ", " + std::to_string(col) + ") is \"" +
                     a.sheet.cell(row, col) + "\", expected \"" + std::string(t) + "\"");
            ++col;
        }
    }

    void unchangedState() {
        const EditState& x = b.state;
        const EditState& y = a.state;
        same(x.CurRow, y.CurRow, "CurRow");
        same(x.CurCol, y.CurCol, "CurCol");
        same(x.LastKind, y.LastKind, "LastKind");
        same(x.PrevKind, y.PrevKind, "PrevKind");
        same(x.LastWidth, y.LastWidth, "LastWidth");
        same(x.PrevWidth, y.PrevWidth, "PrevWidth");
        same(x.CoilFromCol, y.CoilFromCol, "CoilFromCol");
        if (x.DeviceName != y.DeviceName) fail("DeviceName changed");
    }

    void unchangedSheet(uint64_t fingerprintAfter) {
        if (fingerprintAfter != b.fingerprint) fail("the cells or RowEnd changed");
    }

    void unchangedEverything(uint64_t fingerprintAfter) {
        unchangedState();
        unchangedSheet(fingerprintAfter);
        if (a.palette.enabledString() != b.enabled) fail("enabled states changed to " + a.palette.enabledString());
        if (a.palette.visibleString() != b.visible) fail("visible states changed to " + a.palette.visibleString());
        if (a.StatementList != b.statementList) fail("the statement list changed");
        if (a.Text1 != b.text1) fail("Text1 changed");
        if (pictureFingerprint(a) != b.picture) fail("the picture changed");
    }

    void noDialogs(const StepLog& log) {
        if (!log.prompts.empty()) fail("asked for a name");
        if (!log.messages.empty()) fail("showed the message \"" + log.messages.front().text + "\"");
    }

    void freshPicture() {
        if (static_cast<int>(a.picture.size()) != a.state.CurRow) {
            fail("the picture has " + std::to_string(a.picture.size()) + " lines, CurRow is " +
                 std::to_string(a.state.CurRow));
            return;
        }
        for (int row = 1; row <= a.state.CurRow; ++row)
            if (a.picture[static_cast<std::size_t>(row - 1)] != a.sheet.rowText(row)) {
                fail("picture line " + std::to_string(row) + " is not the row as the sheet holds it");
                return;
            }
    }

    void namePrompt(const StepLog& log, const char* promptText) {
        if (log.prompts.empty()) {
            fail("placed an element without asking for its name");
            return;
        }
        for (const auto& p : log.prompts)
            if (p.text != promptText || p.title != kNameTitle) fail("prompt \"" + p.text + "\" / \"" + p.title + "\"");
        if (log.messages.size() != log.prompts.size() - 1) {
            fail(std::to_string(log.prompts.size()) + " prompts but " + std::to_string(log.messages.size()) +
                 " messages");
        }
        for (const auto& m : log.messages)
            if (m.text != kBadName || m.caption != kTitle) fail("message \"" + m.text + "\" during the name prompt");
        for (std::size_t i = 0; i + 1 < log.replies.size(); ++i)
            if (isAcceptableName(log.replies[i])) fail("refused the acceptable name \"" + log.replies[i] + "\"");
        if (!log.replies.empty() && !isAcceptableName(log.replies.back()))
            fail("accepted the name \"" + log.replies.back() + "\"");
        if (!log.replies.empty() && a.state.DeviceName != log.replies.back())
            fail("DeviceName is \"" + a.state.DeviceName + "\", the accepted reply was \"" + log.replies.back() + "\"");
    }

    void placementCounters(int16_t width, int kind) {
        same(b.state.LastWidth, a.state.PrevWidth, "PrevWidth");
        same(static_cast<int16_t>(b.state.LastKind), a.state.PrevKind, "PrevKind");
        same(width, a.state.LastWidth, "LastWidth");
        same(kind, a.state.LastKind, "LastKind");
        same(b.state.CurRow, a.state.CurRow, "CurRow");
    }

    // The cell left of the cursor after the continuation fix (and the
    // dropped-branch start, which comes after it for series elements).
    void leftCell(bool droppedStart) {
        const int row = b.state.CurRow;
        const int col = b.state.CurCol - 1;
        std::string want = b.leftOfCursor;
        if (droppedStart)
            want = "┗";
        else if (want == "┛")
            want = "┻";
        else if (want == "┫")
            want = "╋";
        cells(row, col, {want}, "the cell before the element");
    }

    void slotElement() {
        const int row = b.state.CurRow;
        const int col = b.state.CurCol;
        const bool afterBlank = b.state.LastKind == 18;
        switch (n) {
        case 1: cells(row, col, {"┣", "┫", "  ", "┣", "━"}, "contact"); break;
        case 2: cells(row, col, {"┣", "┫", "╱", "┣", "━"}, "contact"); break;
        case 3: cells(row, col, {"┣", "┫", "  ", "┣", "┛"}, "contact"); break;
        case 4: cells(row, col, {"┣", "┫", "╱", "┣", "┛"}, "contact"); break;
        case 5: cells(row, col, {"━", "┥", "  ", "┝", "━"}, "contact"); break;
        case 6: cells(row, col, {"━", "┥", "╱", "┝", "━"}, "contact"); break;
        case 7: cells(row, col, {"━", "┥", "  ", "┝", "┛"}, "contact"); break;
        case 8: cells(row, col, {"━", "┥", "╱", "┝", "┛"}, "contact"); break;
        case 15: cells(row, col, {"━", "━", "━", "━", "━"}, "line piece"); break;
        case 16: cells(row, col, {"━", "━", "━", "━", "┛"}, "line piece"); break;
        default: break;
        }
        if (n <= 8) cells(row - 1, col + 1, {a.state.DeviceName, " "}, "contact name");
        if (n >= 5 && n != 18) leftCell(afterBlank);
        if (n <= 4 && col == 1) cells(row - 1, 1, {"┃"}, "rail above a rail contact");
        same(col + 5, a.state.CurCol, "CurCol");
        const int grow = (n <= 4 || (n == 18 && col == 1)) ? 6 : 5;
        same(b.rowEnd + grow, a.sheet.rowEnd(row), "RowEnd");
        placementCounters(5, n);
        same(b.state.CoilFromCol, a.state.CoilFromCol, "CoilFromCol");
    }

    void coil() {
        const int row = b.state.CurRow;
        const int col = b.state.CurCol;
        if (n == 9) {
            cells(row, 51, {"━", "（", "  ", "）", "━", "┫"}, "coil");
            for (int c = col; c <= 50; ++c) cells(row, c, {"━"}, "line to the coil");
            if (col > 1) leftCell(false);
            same(col, a.sheet.rowEnd(row), "RowEnd");
        } else {
            cells(row - 2, 51, {"┳"}, "branch point above the parallel coil");
            cells(row - 1, 51, {"┃"}, "line down to the parallel coil");
            cells(row, 51, {"┗", "（", "  ", "）", "━", "┫"}, "parallel coil");
            same(51, a.sheet.rowEnd(row), "RowEnd");
        }
        cells(row - 1, 53, {a.state.DeviceName, " "}, "coil name");
        cells(row - 1, 56, {"┃"}, "right rail above the coil");
        same(57, a.state.CurCol, "CurCol");
        same(col, a.state.CoilFromCol, "CoilFromCol");
        placementCounters(6, n);
    }

    void end() {
        const int row = b.state.CurRow;
        cells(row, b.state.CurCol, {"┣", "━", "━", "━", "（", "E", "N", "D", "）", "     "}, "END");
        same(b.state.CurCol, a.state.CurCol, "CurCol");
        same(b.rowEnd, a.sheet.rowEnd(row), "RowEnd");
        placementCounters(10, 22);
    }

    void stepBack() {
        const EditState& s = b.state;
        const int row = s.CurRow;
        if (s.LastWidth == 5) {
            same(s.CurCol - 5, a.state.CurCol, "CurCol");
            if (s.LastKind != 18) cells(row, s.CurCol - 5, {"  ", "  ", "  ", "  ", "  "}, "undone element");
            if (s.LastKind <= 8) cells(row - 1, s.CurCol - 4, {"  ", "  "}, "undone name");
            same(b.rowEnd - (s.LastKind <= 4 ? 6 : 5), a.sheet.rowEnd(row), "RowEnd");
        } else if (s.LastWidth == 6) {
            same(s.CoilFromCol, a.state.CurCol, "CurCol");
            same(s.CoilFromCol, a.sheet.rowEnd(row), "RowEnd");
            cells(row, 51, {"  ", "  ", "  ", "  ", "  ", "  "}, "undone coil");
            cells(row - 1, 53, {"  ", "  ", "  ", "  "}, "undone coil's name and rail");
            if (s.LastKind == 21) cells(row - 2, 51, {"━"}, "lead-in above the undone parallel coil");
        } else {
            same(1, a.state.CurCol, "CurCol");
            cells(row, 1, {"  ", "  ", "  ", "  ", "  ", "  ", "  ", "  ", "  ", "  "}, "undone END");
            same(b.rowEnd, a.sheet.rowEnd(row), "RowEnd");
        }
        same(s.PrevWidth, a.state.LastWidth, "LastWidth");
        same(s.PrevKind, a.state.LastKind, "LastKind");
        same(s.PrevWidth, a.state.PrevWidth, "PrevWidth");
        same(s.PrevKind, a.state.PrevKind, "PrevKind");
        same(s.CoilFromCol, a.state.CoilFromCol, "CoilFromCol");
        same(s.CurRow, a.state.CurRow, "CurRow");
    }

    void lineFeed() {
        const EditState& s = b.state;
        same(s.CurRow + 2, a.state.CurRow, "CurRow");
        same(1, a.state.CurCol, "CurCol");
        same(s.LastKind, a.state.LastKind, "LastKind");
        same(s.LastWidth, a.state.LastWidth, "LastWidth");
        same(s.PrevKind, a.state.PrevKind, "PrevKind");
        same(s.PrevWidth, a.state.PrevWidth, "PrevWidth");
        same(s.CoilFromCol, a.state.CoilFromCol, "CoilFromCol");
        // The new rung was blank, so the rail is always continued.
        cells(s.CurRow + 1, 56, {"┃"}, "right rail");
        cells(s.CurRow + 2, 56, {"┃"}, "right rail");
    }

    void reEdit() {
        const EditState& s = a.state;
        same(2, s.CurRow, "CurRow");
        same(1, s.CurCol, "CurCol");
        same(5, s.LastWidth, "LastWidth");
        same(0, s.LastKind, "LastKind");
        same(0, s.PrevWidth, "PrevWidth");
        same(0, s.PrevKind, "PrevKind");
        same(0, s.CoilFromCol, "CoilFromCol");
        if (!a.StatementList.empty()) fail("the statement list survived re-edit");
        if (!a.Text1.empty()) fail("Text1 survived re-edit");
        for (int row = 1; row <= 260; ++row) {
            if (!a.sheet.rowIsBlank(row) || a.sheet.rowEnd(row) != 0) {
                fail("row " + std::to_string(row) + " survived re-edit");
                return;
            }
            for (int col = 0; col <= 72; ++col)
                if (a.sheet.emitted(row, col) || a.sheet.joined(row, col)) {
                    fail("marks survived re-edit");
                    return;
                }
        }
        // The picture still shows the old number of rows, all blank.
        if (static_cast<int>(a.picture.size()) != b.state.CurRow) fail("re-edit printed the wrong number of rows");
        for (const std::string& line : a.picture)
            if (line != std::string(146, ' ')) fail("re-edit printed a row that is not blank");
    }

    void convert(const StepLog& log, uint64_t fingerprintAfter) {
        unchangedState();
        unchangedSheet(fingerprintAfter);
        if (!log.prompts.empty()) fail("asked for a name");
        if (!b.statementList.empty()) fail("converted with a list already there");
        const bool aborted = !log.messages.empty();
        if (aborted) {
            // The scan nested past its bound, or no list can be written for
            // some rung ("第N行：<why>，无法生成语句表").
            const std::string& text = log.messages[0].text;
            const bool refusal = text == kBadStructure || isRungRefusal(text);
            if (log.messages.size() != 1 || !refusal || log.messages[0].caption != kTitle)
                fail("showed \"" + text + "\"");
            if (!a.StatementList.empty()) fail("an abandoned conversion left a list");
            if (a.Text1 != b.text1) fail("an abandoned conversion changed Text1");
            if (a.palette.enabledString() != b.enabled || a.palette.visibleString() != b.visible)
                fail("an abandoned conversion changed the buttons");
            for (int row = 1; row <= 260; ++row)
                for (int col = 0; col <= 72; ++col)
                    if (a.sheet.emitted(row, col) || a.sheet.joined(row, col)) {
                        fail("an abandoned conversion left marks");
                        return;
                    }
            return;
        }
        if (a.Text1 != a.StatementList) fail("Text1 is not the statement list");
        if (a.palette.enabledString() != apply(b.enabled, kConvert))
            fail("enabled " + a.palette.enabledString() + " after convert");
        if (a.palette.visibleString() != "0011") fail("visible " + a.palette.visibleString() + " after convert");
    }
};

uint64_t hashBytes(uint64_t h, std::string_view bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return (h ^ 0xFF) * 1099511628211ull;
}

}  // namespace

uint64_t pictureFingerprint(const Ladder& ladder) {
    uint64_t h = 14695981039346656037ull;
    for (const std::string& line : ladder.picture) h = hashBytes(h, line);
    return hashBytes(h, std::to_string(ladder.picture.size()));
}

Before snapshot(const Ladder& l, uint64_t fingerprint) {
    Before b;
    b.state = l.state;
    b.enabled = l.palette.enabledString();
    b.visible = l.palette.visibleString();
    b.fingerprint = fingerprint;
    b.rowEnd = l.sheet.rowEnd(l.state.CurRow);
    b.leftOfCursor = l.sheet.cell(l.state.CurRow, l.state.CurCol - 1);
    b.statementList = l.StatementList;
    b.text1 = l.Text1;
    b.picture = pictureFingerprint(l);
    return b;
}

void checkEffect(const Before& b, const Ladder& a, int n, ClickResult result, const StepLog& log,
                 uint64_t fingerprintAfter, Violations& out) {
    Checker c{b, a, n, out};
    const bool pressable = n >= 1 && n <= 22 && b.enabled[static_cast<std::size_t>(n - 1)] == '1' &&
                           (n < 13 || n == 15 || n == 16 || n == 17 || n == 18 || n > 20 ||
                            b.visible[n == 13 ? 0 : n == 14 ? 1 : n == 19 ? 2 : 3] == '1');
    if (result == ClickResult::Ignored || result == ClickResult::Exit) {
        if (result == ClickResult::Ignored && pressable) c.fail("an enabled, visible button was ignored");
        if (result == ClickResult::Exit && (!pressable || (n != 14 && n != 20))) c.fail("ended the program");
        c.noDialogs(log);
        c.unchangedEverything(fingerprintAfter);
        return;
    }
    if (!pressable) c.fail("a disabled or hidden button ran its command");
    if (result == ClickResult::NotBuilt) {
        // Convert and export come with the statement list; every drawing
        // command must be there.
        if (n != 13 && n != 19) c.fail("the command is not built");
        c.unchangedEverything(fingerprintAfter);
        return;
    }

    if (const auto refusal = expectedRefusal(b, n)) {
        if (log.messages.size() != 1 || log.messages[0].text != *refusal || log.messages[0].caption != kTitle)
            c.fail("was not refused with \"" + *refusal + "\"");
        if (!log.prompts.empty()) c.fail("asked for a name before refusing");
        c.unchangedEverything(fingerprintAfter);
        return;
    }

    if (prompts(n)) {
        c.namePrompt(log, n == 9 || n == 21 ? kCoilPrompt : kContactPrompt);
        for (const auto& p : log.prompts) {
            if (n <= 4 && p.enabledAtPrompt != apply(b.enabled, kRailContact))
                c.fail("the palette behind the prompt is " + p.enabledAtPrompt);
            if (n > 4 && p.enabledAtPrompt.size() == 22 && p.enabledAtPrompt[9] != '1')
                c.fail("step back is not enabled behind the prompt");
        }
    } else if (n != 13 && n != 19) {
        c.noDialogs(log);
    }

    switch (n) {
    case 9: case 21: c.coil(); break;
    case 22: c.end(); break;
    case 10: c.stepBack(); break;
    case 11: c.lineFeed(); break;
    case 13: c.convert(log, fingerprintAfter); return;
    case 17: c.unchangedState(); c.unchangedSheet(fingerprintAfter); break;
    case 19:
        c.unchangedState();
        c.unchangedSheet(fingerprintAfter);
        if (a.Text1 != b.text1 || a.StatementList != b.statementList) c.fail("the export changed the list");
        if (a.palette.enabledString() != b.enabled || a.palette.visibleString() != b.visible)
            c.fail("the export changed the buttons");
        if (pictureFingerprint(a) != b.picture) c.fail("the export changed the picture");
        return;
    default:
        if (isSlotButton(n)) c.slotElement();
        break;
    }

    std::string want = apply(b.enabled, tableFor(n, a));
    if (n == 10 && b.state.LastWidth != 5 && b.state.LastWidth != 6) want[21] = '1';  // END undone
    if (a.palette.enabledString() != want) c.fail("enabled " + a.palette.enabledString() + ", expected " + want);
    const std::string wantVisible = n == 12 ? "1100" : b.visible;
    if (a.palette.visibleString() != wantVisible) c.fail("visible " + a.palette.visibleString());
    if (n == 12)
        c.reEdit();
    else
        c.freshPicture();
    if (n != 12 && (a.StatementList != b.statementList || a.Text1 != b.text1)) c.fail("the list or Text1 changed");
}

}  // namespace lp::hardening
