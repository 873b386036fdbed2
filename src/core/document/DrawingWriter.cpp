#include "document/DrawingWriter.h"

#include "document/DrawingLimits.h"
#include "document/QuotedText.h"
#include "sheet/Glyphs.h"

namespace lp {

namespace {

void number(std::string& out, const char* key, long value) {
    out += key;
    out += ' ';
    out += std::to_string(value);
    out += '\n';
}

// A text as lines of its key, each holding a piece that ends after a line
// break (or at the end of the text). An empty text has no line.
// One entry per line of the text; a long text (a list box of many short
// lines) joins its lines into entries of a few KiB, so that the file stays
// within the size the reader accepts whatever the lines' lengths.
constexpr std::size_t kLongText = 64 * 1024;
constexpr std::size_t kJoinedEntryBytes = 4 * 1024;

void textLines(std::string& out, const char* key, std::string_view text) {
    const bool join = text.size() > kLongText;
    while (!text.empty()) {
        std::size_t len = 0;
        do {
            const std::size_t nl = text.find('\n', len);
            len = nl == std::string_view::npos ? text.size() : nl + 1;
        } while (join && len < text.size() && len < kJoinedEntryBytes);
        out += key;
        out += ' ';
        appendQuoted(out, text.substr(0, len));
        out += '\n';
        text.remove_prefix(len);
    }
}

void marks(std::string& out, const char* key, const Sheet& sheet, int16_t (Sheet::*mark)(int, int) const) {
    for (int row = kFirstRow; row <= kLastRow; ++row)
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const int16_t value = (sheet.*mark)(row, col);
            if (value == 0) continue;
            out += key;
            out += ' ' + std::to_string(row) + ' ' + std::to_string(col) + ' ' + std::to_string(value) + '\n';
        }
}

}  // namespace

std::string writeDrawing(const DrawingState& d) {
    std::string out;
    out.reserve(64 * 1024);
    out += kDrawingFormatName;
    out += ' ' + std::to_string(kDrawingFormatVersion) + '\n';
    const EditState& s = d.state;
    number(out, "CurRow", s.CurRow);
    number(out, "CurCol", s.CurCol);
    number(out, "LastKind", s.LastKind);
    number(out, "PrevKind", s.PrevKind);
    number(out, "LastWidth", s.LastWidth);
    number(out, "PrevWidth", s.PrevWidth);
    number(out, "CoilFromCol", s.CoilFromCol);
    out += "DeviceName ";
    appendQuoted(out, s.DeviceName);
    out += '\n';
    number(out, "SaveRow", d.scan.SaveRow);
    number(out, "ScanCol", d.scan.ScanCol);
    number(out, "HoldPos", d.scan.HoldPos);
    out += "enabled " + d.palette.enabledString() + '\n';
    out += "visible " + d.palette.visibleString() + '\n';
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const int16_t end = d.sheet.rowEnd(row);
        if (end != 0) out += "RowEnd " + std::to_string(row) + ' ' + std::to_string(end) + '\n';
    }
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        if (d.sheet.rowIsBlank(row)) continue;
        int last = kLastCol;  // trailing blank cells are left out
        while (d.sheet.cell(row, last) == glyph::blank) --last;
        out += "row " + std::to_string(row);
        for (int col = kFirstCol; col <= last; ++col) {
            out += ' ';
            appendQuoted(out, d.sheet.cell(row, col));
        }
        out += '\n';
    }
    marks(out, "Emitted", d.sheet, &Sheet::emitted);
    marks(out, "Joined", d.sheet, &Sheet::joined);
    textLines(out, "StatementList", d.StatementList);
    textLines(out, "Text1", d.Text1);
    out += "end\n";
    return out;
}

}  // namespace lp
