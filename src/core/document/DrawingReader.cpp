#include "document/DrawingReader.h"

#include <array>
#include <charconv>
#include <vector>

#include "document/DrawingLimits.h"
#include "document/QuotedText.h"
#include "editor/NamePrompt.h"
#include "sheet/Glyphs.h"

namespace lp {

namespace {

struct Refused {
    std::string what;
};

// The texts a cell may hold besides a device name and the space after one.
bool isGlyph(std::string_view c) {
    if (c.size() != 3 && c != glyph::blank && c != glyph::endTail && c != "E" && c != "N" && c != "D") return false;
    static constexpr std::array<std::string_view, 19> kGlyphs{
        glyph::blank,  glyph::h,      glyph::v,      glyph::vr,     glyph::vl,   glyph::plateL, glyph::plateR,
        glyph::slash,  glyph::ul,     glyph::ur,     glyph::hu,     glyph::hd,   glyph::cross,  glyph::parenL,
        glyph::parenR, glyph::endTail, "E",          "N",           "D"};
    for (std::string_view g : kGlyphs)
        if (c == g) return true;
    return false;
}

std::string_view takeToken(std::string_view& rest) {
    const std::size_t space = rest.find(' ');
    const std::string_view token = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return token;
}

// "CurRow 应…", "行号应…": a space after a name that ends in a Latin letter.
std::string subject(const char* name) {
    std::string s = name;
    if (!s.empty() && static_cast<unsigned char>(s.back()) < 0x80) s += ' ';
    return s;
}

long parseNumber(std::string_view token, const char* name) {
    long value = 0;
    const std::size_t sign = !token.empty() && token[0] == '-' ? 1 : 0;
    const bool digits = token.size() > sign && token.size() - sign <= 6;
    const char* end = token.data() + token.size();
    const auto [ptr, ec] = std::from_chars(token.data(), end, value);
    if (!digits || ec != std::errc() || ptr != end)
        throw Refused{subject(name) + "应为整数"};
    return value;
}

struct Line {
    std::string_view key;
    std::string_view rest;

    long number(const char* name) {
        if (rest.empty()) throw Refused{subject(name) + "缺少数值"};
        return parseNumber(takeToken(rest), name);
    }
    long number(const char* name, long lo, long hi) {
        const long v = number(name);
        if (v < lo || v > hi)
            throw Refused{subject(name) + "应在 " + std::to_string(lo) + " 到 " + std::to_string(hi) + " 之间，这里是 " +
                          std::to_string(v)};
        return v;
    }
    std::string quoted(const char* name) {
        std::string text;
        quoted(name, text);
        return text;
    }
    void quoted(const char* name, std::string& text) {
        if (!takeQuoted(rest, text))
            throw Refused{subject(name) + "的文字应写在一对双引号中，转义只能是 \\\\、\\\"、\\n、\\r、\\t 或 \\x 加两位十六进制数"};
    }
    void done() {
        if (!rest.empty()) throw Refused{std::string(key) + " 这一行的末尾有多余的内容"};
    }
};

bool validKind(long k) { return (k >= 0 && k <= 9) || k == 15 || k == 16 || k == 18 || k == 21 || k == 22; }
bool validWidth(long w) { return w == 0 || w == 5 || w == 6 || w == 10; }

std::string shownKey(std::string_view key) {
    if (key.size() > 40 || codePointCount(key) < 0) return "";
    return "“" + std::string(key) + "”";
}

class Reader {
public:
    DrawingState d;

    // One line after the first; true at "end".
    bool line(std::string_view text) {
        Line l;
        l.rest = text;
        l.key = takeToken(l.rest);
        const std::string_view k = l.key;
        EditState& s = d.state;
        if (k == "end") {
            l.done();
            return true;
        }
        if (k == "CurRow") {
            once(0, "CurRow");
            const long v = l.number("CurRow", 2, kLastRow);
            if (v % 2 != 0) throw Refused{"CurRow 应为偶数（图形行），这里是 " + std::to_string(v)};
            s.CurRow = static_cast<int>(v);
        } else if (k == "CurCol") {
            once(1, "CurCol");
            s.CurCol = static_cast<int>(l.number("CurCol", 1, 57));
        } else if (k == "LastKind" || k == "PrevKind") {
            const bool last = k == "LastKind";
            const char* name = last ? "LastKind" : "PrevKind";
            once(last ? 2 : 3, name);
            const long v = l.number(name);
            if (!validKind(v))
                throw Refused{subject(name) + "应为元件的种类 0 到 9、15、16、18、21 或 22，这里是 " +
                              std::to_string(v)};
            if (last)
                s.LastKind = static_cast<int>(v);
            else
                s.PrevKind = static_cast<int16_t>(v);
        } else if (k == "LastWidth" || k == "PrevWidth") {
            const bool last = k == "LastWidth";
            const char* name = last ? "LastWidth" : "PrevWidth";
            once(last ? 4 : 5, name);
            const long v = l.number(name);
            if (!validWidth(v))
                throw Refused{subject(name) + "应为元件的宽度 0、5、6 或 10，这里是 " + std::to_string(v)};
            (last ? s.LastWidth : s.PrevWidth) = static_cast<int16_t>(v);
        } else if (k == "CoilFromCol") {
            once(6, "CoilFromCol");
            s.CoilFromCol = static_cast<int16_t>(l.number("CoilFromCol", 0, 51));
        } else if (k == "DeviceName") {
            once(7, "DeviceName");
            s.DeviceName = l.quoted("DeviceName");
            if (!s.DeviceName.empty() && !isDeviceName(s.DeviceName))
                throw Refused{"DeviceName 应为空或恰好三个字符"};
        } else if (k == "SaveRow") {
            once(8, "SaveRow");
            d.scan.SaveRow = static_cast<int>(l.number("SaveRow", -32768, 32767));
        } else if (k == "ScanCol") {
            once(9, "ScanCol");
            d.scan.ScanCol = static_cast<int>(l.number("ScanCol", -32768, 32767));
        } else if (k == "HoldPos") {
            once(10, "HoldPos");
            d.scan.HoldPos = static_cast<int16_t>(l.number("HoldPos", -32768, 32767));
        } else if (k == "enabled") {
            once(11, "enabled");
            const std::string_view bits = takeToken(l.rest);
            if (bits.size() != kButtonCount || bits.find_first_not_of("01") != std::string_view::npos)
                throw Refused{"enabled 应为 22 个 0 或 1，依次是按钮 1 到 22 是否可用"};
            for (int n = 1; n <= kButtonCount; ++n) d.palette.setEnabled(n, bits[static_cast<std::size_t>(n - 1)] == '1');
        } else if (k == "visible") {
            once(12, "visible");
            const std::string_view bits = takeToken(l.rest);
            if (bits.size() != 4 || bits.find_first_not_of("01") != std::string_view::npos)
                throw Refused{"visible 应为 4 个 0 或 1，依次是按钮 13、14、19、20 是否显示"};
            constexpr int kRow[4] = {13, 14, 19, 20};
            for (std::size_t i = 0; i < 4; ++i) d.palette.setVisible(kRow[i], bits[i] == '1');
        } else if (k == "RowEnd") {
            const int row = static_cast<int>(l.number("RowEnd 的行号", kFirstRow, kLastRow));
            if (rowEndSeen_[static_cast<std::size_t>(row)]) throw Refused{"第 " + std::to_string(row) + " 行的 RowEnd 出现了两次"};
            rowEndSeen_[static_cast<std::size_t>(row)] = true;
            d.sheet.setRowEnd(row, static_cast<int16_t>(l.number("RowEnd", 0, 32767)));
        } else if (k == "row") {
            readRow(l);
        } else if (k == "Emitted" || k == "Joined") {
            readMark(l, k == "Emitted");
        } else if (k == "StatementList" || k == "Text1") {
            const bool list = k == "StatementList";
            std::string& text = list ? d.StatementList : d.Text1;
            text += l.quoted(list ? "StatementList" : "Text1");
            if (text.size() > kMaxDrawingTextBytes)
                throw Refused{std::string(list ? "StatementList" : "Text1") + " 的文字超过了 2 MiB"};
        } else {
            throw Refused{"不认识的条目" + shownKey(k)};
        }
        l.done();
        return false;
    }

    // The name of a value the file does not give, or "" when all are there.
    const char* missing() const {
        static constexpr const char* kNames[kScalars] = {"CurRow",  "CurCol",  "LastKind", "PrevKind", "LastWidth",
                                                        "PrevWidth", "CoilFromCol", "DeviceName", "SaveRow",
                                                        "ScanCol", "HoldPos", "enabled", "visible"};
        for (int i = 0; i < kScalars; ++i)
            if (!seen_[static_cast<std::size_t>(i)]) return kNames[i];
        return "";
    }

private:
    static constexpr int kScalars = 13;

    void once(int index, const char* name) {
        if (seen_[static_cast<std::size_t>(index)]) throw Refused{std::string(name) + " 出现了两次"};
        seen_[static_cast<std::size_t>(index)] = true;
    }

    void readRow(Line& l) {
        const int row = static_cast<int>(l.number("row 的行号", kFirstRow, kLastRow));
        if (rowSeen_[static_cast<std::size_t>(row)]) throw Refused{"第 " + std::to_string(row) + " 行的单元格出现了两次"};
        rowSeen_[static_cast<std::size_t>(row)] = true;
        int col = kFirstCol;
        bool afterName = false;
        while (!l.rest.empty()) {
            if (col > kLastCol) throw Refused{"图纸的一行最多有 73 个单元格（第 0 到 72 列）"};
            l.quoted("单元格", cell_);
            const std::string_view cell = cell_;
            const auto where = [&] { return "第 " + std::to_string(row) + " 行第 " + std::to_string(col) + " 列的单元格"; };
            const bool symbol = isGlyph(cell);
            const bool name = !symbol && isDeviceName(cell);
            if (cell == glyph::nameGap) {
                if (!afterName) throw Refused{where() + "是一个空格，但它前面不是元件名"};
            } else if (!symbol && !name) {
                throw Refused{where() + "不是图纸上的符号，也不是三个字符的元件名"};
            }
            if (cell != glyph::blank) d.sheet.setCell(row, col, cell);
            afterName = name;
            ++col;
            if (l.rest.empty()) break;
            if (l.rest[0] != ' ') throw Refused{"单元格之间应以一个空格隔开"};
            l.rest.remove_prefix(1);
            if (l.rest.empty()) throw Refused{"行末多了一个空格"};
        }
    }

    void readMark(Line& l, bool emitted) {
        const char* name = emitted ? "Emitted" : "Joined";
        const int row = static_cast<int>(l.number("标记的行号", kFirstRow, kLastRow));
        const int col = static_cast<int>(l.number("标记的列号", kFirstCol, kLastCol));
        const std::size_t at = static_cast<std::size_t>((row - kFirstRow) * kColCount + (col - kFirstCol));
        auto& seen = emitted ? emittedSeen_ : joinedSeen_;
        if (seen[at])
            throw Refused{std::string(name) + " 在第 " + std::to_string(row) + " 行第 " + std::to_string(col) +
                          " 列出现了两次"};
        seen[at] = true;
        const auto v = static_cast<int16_t>(l.number(name, 0, 1));
        if (emitted)
            d.sheet.setEmitted(row, col, v);
        else
            d.sheet.setJoined(row, col, v);
    }

    std::string cell_;  // the cell being read, its buffer kept from cell to cell
    std::array<bool, kScalars> seen_{};
    std::array<bool, kLastRow + 1> rowSeen_{};
    std::array<bool, kLastRow + 1> rowEndSeen_{};
    std::vector<bool> emittedSeen_ = std::vector<bool>(static_cast<std::size_t>(kLastRow) * kColCount);
    std::vector<bool> joinedSeen_ = std::vector<bool>(static_cast<std::size_t>(kLastRow) * kColCount);
};

// The number of the line on which byte `offset` lies.
long lineOf(std::string_view bytes, std::size_t offset) {
    long line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i)
        if (bytes[i] == '\n') ++line;
    return line;
}

// Offset of the first byte that is not well-formed UTF-8, or npos.
std::size_t firstBadUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < bytes.size() && end < i + 4 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) ++end;
        if (codePointCount(bytes.substr(i, end - i)) != 1) return i;
        i = end;
    }
    return std::string_view::npos;
}

}  // namespace

DrawingRead readDrawing(std::string_view bytes) {
    DrawingRead result;
    if (bytes.size() > kMaxDrawingFileBytes) {
        result.fault = {0, "文件大于 8 MiB，不是本程序保存的图纸"};
        return result;
    }
    if (const std::size_t bad = firstBadUtf8(bytes); bad != std::string_view::npos) {
        result.fault = {lineOf(bytes, bad), "这一行不是 UTF-8 编码的文字"};
        return result;
    }
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());

    Reader reader;
    long lineNo = 0;
    bool ended = false;
    try {
        while (!bytes.empty()) {
            const std::size_t nl = bytes.find('\n');
            std::string_view text = bytes.substr(0, nl);
            bytes = nl == std::string_view::npos ? std::string_view() : bytes.substr(nl + 1);
            ++lineNo;
            if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
            if (lineNo == 1) {
                const std::string name = std::string(kDrawingFormatName) + ' ';
                if (text.substr(0, name.size()) != name)
                    throw Refused{"这不是梯形图图纸文件：第一行应为“" + name + std::to_string(kDrawingFormatVersion) + "”"};
                std::string_view version = text.substr(name.size());
                if (version != std::to_string(kDrawingFormatVersion)) {
                    const bool number = !version.empty() && version.size() <= 9 &&
                                        version.find_first_not_of("0123456789") == std::string_view::npos;
                    throw Refused{number ? "图纸格式的版本 " + std::string(version) + " 不受支持，本程序只能打开版本 " +
                                               std::to_string(kDrawingFormatVersion)
                                         : std::string("第一行的版本号应为整数")};
                }
                continue;
            }
            if (ended) {
                if (!text.empty()) throw Refused{"“end”这一行之后不应再有内容"};
                continue;
            }
            if (text.empty()) continue;
            ended = reader.line(text);
            if (ended) {
                if (const std::string missing = reader.missing(); !missing.empty())
                    throw Refused{"文件缺少“" + missing + "”这一项"};
            }
        }
    } catch (const Refused& r) {
        result.fault = {lineNo, r.what};
        return result;
    }
    if (lineNo == 0) {
        result.fault = {0, "文件是空的"};
        return result;
    }
    if (!ended) {
        result.fault = {0, "文件不完整：缺少最后的“end”一行"};
        return result;
    }
    result.drawing = std::move(reader.d);
    return result;
}

}  // namespace lp
