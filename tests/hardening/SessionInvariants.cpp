#include "hardening/SessionInvariants.h"

#include <algorithm>
#include <string_view>

#include "sheet/Ladder.h"

namespace lp::hardening {

namespace {

constexpr std::string_view kBlank = "  ";
constexpr std::string_view kVertical = "┃";
constexpr std::string_view kNameGap = " ";

// Graphics-row texts: the glyph table, without the name gap.
constexpr std::string_view kGlyphs[] = {
    "  ", "━", "┃", "┣", "┫", "┥", "┝", "╱", "┛", "┗", "┻", "┳", "╋", "（", "）", "E", "N", "D", "     ",
};

// Element slots start at 1, 6, ..., 46: a contact's name stands at the
// slot's second column and its gap at the third; a coil's at 53 and 54.
bool isNameColumn(int col) { return (col <= 47 && col % 5 == 2) || col == 53; }

void add(Violations& out, std::string text) { out.push_back(std::move(text)); }

std::string at(int row, int col) {
    std::string s = "(";
    s += std::to_string(row);
    s += ", ";
    s += std::to_string(col);
    s += ')';
    return s;
}

uint64_t mix(uint64_t h, std::string_view bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return (h ^ 0xFF) * 1099511628211ull;  // a separator, so "a"+"bc" != "ab"+"c"
}

bool validKind(int k) { return k == 0 || (k >= 1 && k <= 9) || k == 15 || k == 16 || k == 18 || k == 21 || k == 22; }

// The width a kind of element stores; kind 0 (nothing, or the first element
// of the sheet undone) goes with the start value 5 or the initial 0.
bool widthFits(int kind, int width) {
    if (kind == 0) return width == 0 || width == 5;
    if (kind == 9 || kind == 21) return width == 6;
    if (kind == 22) return width == 10;
    return width == 5;
}

void checkCounters(const Ladder& l, Violations& out) {
    const EditState& s = l.state;
    if (s.CurRow < 2 || s.CurRow > kLastRow || s.CurRow % 2 != 0)
        add(out, "CurRow " + std::to_string(s.CurRow) + " is not an even row within 2..260");
    if (s.CurCol < 1 || s.CurCol > 57)
        add(out, "CurCol " + std::to_string(s.CurCol) + " is not within 1..57");
    else if (s.CurCol != 57 && s.CurCol % 5 != 1)
        add(out, "CurCol " + std::to_string(s.CurCol) + " is not the start of a slot");
    if (!validKind(s.LastKind) || !validKind(s.PrevKind))
        add(out, "kind codes " + std::to_string(s.LastKind) + "/" + std::to_string(s.PrevKind) + " are not placements");
    if (!widthFits(s.LastKind, s.LastWidth))
        add(out, "LastWidth " + std::to_string(s.LastWidth) + " does not belong to LastKind " + std::to_string(s.LastKind));
    if (!widthFits(s.PrevKind, s.PrevWidth))
        add(out, "PrevWidth " + std::to_string(s.PrevWidth) + " does not belong to PrevKind " + std::to_string(s.PrevKind));
    if (s.CoilFromCol < 0 || s.CoilFromCol > 51)
        add(out, "CoilFromCol " + std::to_string(s.CoilFromCol) + " is outside 0..51");
}

void checkPalette(const Ladder& l, Violations& out) {
    const Palette& p = l.palette;
    const EditState& s = l.state;
    auto on = [&](int n) { return p.enabled(n); };

    const bool editingRow = p.visible(13) && p.visible(14) && !p.visible(19) && !p.visible(20);
    const bool exportRow = !p.visible(13) && !p.visible(14) && p.visible(19) && p.visible(20);
    if (!editingRow && !exportRow) add(out, "the bottom row is in neither state: visible=" + p.visibleString());
    for (int n = 1; n <= 22; ++n)
        if (n != 13 && n != 14 && n != 19 && n != 20 && !p.visible(n))
            add(out, "palette button " + std::to_string(n) + " is hidden");
    for (int n : {14, 17, 20})
        if (!on(n)) add(out, "Command" + std::to_string(n) + " is disabled; nothing ever disables it");
    if (on(19) && !p.visible(19)) add(out, "Command19 is enabled while hidden");

    // The groups are always switched together.
    for (int n : {2, 3, 4})
        if (on(n) != on(1)) add(out, "rail contacts differ in their enabled state: " + p.enabledString());
    for (int n : {6, 7, 8, 15, 16})
        if (on(n) != on(5)) add(out, "series contacts and line pieces differ: " + p.enabledString());

    // Where each group can be used.
    if (on(1) && s.CurCol != 1) add(out, "rail contacts enabled at column " + std::to_string(s.CurCol));
    if (on(5) && (s.CurCol < 6 || s.CurCol > 51))
        add(out, "series contacts enabled at column " + std::to_string(s.CurCol));
    if (on(9) && (s.CurCol < 6 || s.CurCol > 51)) add(out, "the coil enabled at column " + std::to_string(s.CurCol));
    if (on(10) && s.LastKind == 0) add(out, "step back enabled with nothing placed");
    if (on(22) && (s.CurCol != 1 || on(5) || on(9) || on(10)))
        add(out, "END enabled beside series elements, a coil or step back: " + p.enabledString() +
                     " at column " + std::to_string(s.CurCol));

    // A finished rung: only step back, line feed, re-edit and convert.
    if (s.CurCol == 57) {
        if (s.LastKind != 9 && s.LastKind != 21) add(out, "cursor at 57 without a coil last");
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 18, 21, 22})
            if (on(n)) add(out, "Command" + std::to_string(n) + " enabled after a coil");
        for (int n : {10, 11, 12, 13})
            if (!on(n)) add(out, "Command" + std::to_string(n) + " disabled after a coil");
        const int want = s.LastKind == 21 ? 51 : s.CoilFromCol;
        if (l.sheet.rowEnd(s.CurRow) != want)
            add(out, "RowEnd of the coil's row is " + std::to_string(l.sheet.rowEnd(s.CurRow)) + ", not " +
                         std::to_string(want));
    }
    // After END: only step back and convert among the drawing commands.
    if (s.LastKind == 22) {
        if (s.CurCol != 1) add(out, "END placed away from column 1");
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15, 16, 18, 21, 22})
            if (on(n)) add(out, "Command" + std::to_string(n) + " enabled after END");
        if (!on(10)) add(out, "step back disabled after END");
    }
}

void checkGrid(const Ladder& l, const SessionFacts& facts, int lastRow, Violations& out, uint64_t& hash) {
    const Sheet& sheet = l.sheet;
    const int curRow = l.state.CurRow;
    for (int row = kFirstRow; row <= lastRow; ++row) {
        const bool nameRow = row % 2 == 1;
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const std::string& c = sheet.cell(row, col);
            hash = mix(hash, c);
            if (c == kBlank) continue;
            if (out.size() > 20) continue;  // enough said; keep hashing
            if (row > curRow) {
                add(out, "cell " + at(row, col) + " below the cursor's rung holds \"" + c + "\"");
            } else if (col == 0 || col > 56) {
                add(out, "cell " + at(row, col) + " outside columns 1..56 holds \"" + c + "\"");
            } else if (nameRow) {
                if (c == kVertical) continue;
                if (c == kNameGap) {
                    if (!isNameColumn(col - 1) || sheet.cell(row, col - 1) == kBlank ||
                        sheet.cell(row, col - 1) == kVertical)
                        add(out, "name gap at " + at(row, col) + " with no name before it");
                } else if (!facts.names.count(c)) {
                    add(out, "cell " + at(row, col) + " of a name row holds \"" + c + "\", not a given name");
                } else if (!isNameColumn(col) || sheet.cell(row, col + 1) != kNameGap) {
                    add(out, "name \"" + c + "\" at " + at(row, col) + " is not in a name column before its gap");
                }
            } else if (!isGraphicsGlyph(c)) {
                add(out, "cell " + at(row, col) + " of a graphics row holds \"" + c + "\"");
            }
        }
    }
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const bool nameRow = row % 2 == 1;
        const int16_t end = sheet.rowEnd(row);
        hash = mix(hash, std::string_view(reinterpret_cast<const char*>(&end), sizeof end));
        if (end == 0) continue;
        if (nameRow || row > curRow) {
            add(out, "RowEnd(" + std::to_string(row) + ") is " + std::to_string(end) + " on a row no element is on");
        } else if (end < 0 || end > 51 + facts.stepBacks[static_cast<std::size_t>(row)]) {
            add(out, "RowEnd(" + std::to_string(row) + ") is " + std::to_string(end) + ", out of its range");
        }
    }
    const EditState& s = l.state;
    if (s.CurCol <= 51 && sheet.rowEnd(s.CurRow) < s.CurCol - 1)
        add(out, "RowEnd(" + std::to_string(s.CurRow) + ") " + std::to_string(sheet.rowEnd(s.CurRow)) +
                     " lies left of the cursor at " + std::to_string(s.CurCol));
}

// Marks are 0 or 1; while convert is offered (before any conversion since
// the last re-edit, or after an abandoned one) there are none, and no list.
void checkMarks(const Ladder& l, Violations& out) {
    const bool unconverted = l.palette.visible(13);
    if (unconverted && !l.StatementList.empty()) add(out, "a statement list while convert is still offered");
    for (int row = kFirstRow; row <= kLastRow; ++row)
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const int16_t e = l.sheet.emitted(row, col);
            const int16_t j = l.sheet.joined(row, col);
            if ((e != 0 && e != 1) || (j != 0 && j != 1) || (unconverted && (e || j))) {
                add(out, "marks at " + at(row, col) + " are " + std::to_string(e) + "/" + std::to_string(j));
                return;
            }
        }
}

// Longest-first is not enough when one name is a prefix of another, so the
// parse tries every name that fits and remembers the positions that failed.
bool parseFrom(std::string_view list, std::size_t pos, const std::vector<std::string_view>& texts,
               std::vector<char>& failed) {
    if (pos == list.size()) return true;
    if (failed[pos]) return false;
    const std::string_view rest = list.substr(pos);
    static constexpr std::string_view kAlone[] = {"ANB \r\n", "ORB \r\n", "MPS \r\n", "MRD \r\n", "MPP \r\n",
                                                  "END\r\n"};
    for (std::string_view line : kAlone)
        if (rest.substr(0, line.size()) == line && parseFrom(list, pos + line.size(), texts, failed)) return true;
    static constexpr std::string_view kElement[] = {"LD  ", "LDI ", "AND ", "ANI ", "OR  ", "ORI ", "OUT "};
    for (std::string_view mnemonic : kElement) {
        if (rest.substr(0, 4) != mnemonic) continue;
        for (std::string_view text : texts) {
            const std::size_t end = 4 + text.size();
            if (rest.size() >= end + 2 && rest.substr(4, text.size()) == text && rest.substr(end, 2) == "\r\n" &&
                parseFrom(list, pos + end + 2, texts, failed))
                return true;
        }
    }
    failed[pos] = 1;
    return false;
}

}  // namespace

bool isGraphicsGlyph(const std::string& text) {
    for (std::string_view g : kGlyphs)
        if (text == g) return true;
    return false;
}

bool isWellFormedList(const std::string& list, const std::unordered_set<std::string>& names) {
    std::vector<std::string_view> texts(std::begin(kGlyphs), std::end(kGlyphs));
    texts.push_back(kNameGap);
    texts.push_back("");  // a name read from outside the sheet
    for (const std::string& n : names) texts.push_back(n);
    std::vector<char> failed(list.size() + 1, 0);
    return parseFrom(list, 0, texts, failed);
}

uint64_t checkInvariants(const Ladder& ladder, const SessionFacts& facts, Violations& out, CheckDepth depth) {
    uint64_t hash = 14695981039346656037ull;
    checkCounters(ladder, out);
    checkPalette(ladder, out);
    const int lastRow = depth.allRows ? kLastRow : std::min(kLastRow, ladder.state.CurRow + 2);
    checkGrid(ladder, facts, lastRow, out, hash);
    if (depth.marks) checkMarks(ladder, out);
    const bool known = ladder.StatementList == facts.checkedList && facts.names.size() == facts.checkedNames;
    if (!known) {
        if (isWellFormedList(ladder.StatementList, facts.names)) {
            facts.checkedList = ladder.StatementList;
            facts.checkedNames = facts.names.size();
        } else {
            add(out, "the statement list holds a line that is not an instruction");
        }
    }
    return hash;
}

}  // namespace lp::hardening
