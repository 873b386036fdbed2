// Every refusal of the drawing reader: the message names the file and the
// line and says what is wrong, and the drawing on screen stays as it was.
#include <sys/stat.h>

#include <functional>
#include <sstream>

#include "document/DocumentCommands.h"
#include "document/DrawingWriter.h"
#include "document/DrawingFixture.h"

namespace lp::test {
namespace {

struct Edited {
    std::string text;
    long line;  // 0: the file as a whole
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

// The first line whose key is `key` replaced by `line` (or removed when
// `line` is empty), or `line` put after it when `after` is set.
Edited edit(const std::string& base, const std::string& key, const std::string& line, bool after = false) {
    std::vector<std::string> lines = linesOf(base);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != key && lines[i].rfind(key + " ", 0) != 0) continue;
        if (after) {
            lines.insert(lines.begin() + static_cast<long>(i) + 1, line);
            return {joinLines(lines), static_cast<long>(i) + 2};
        }
        if (line.empty()) {
            lines.erase(lines.begin() + static_cast<long>(i));
            return {joinLines(lines), static_cast<long>(lines.size())};  // found missing at "end"
        }
        lines[i] = line;
        return {joinLines(lines), static_cast<long>(i) + 1};
    }
    ADD_FAILURE() << "no line " << key;
    return {base, 0};
}

struct Refusal {
    const char* name;
    std::function<Edited(const std::string&)> make;
    std::string what;
};

class DrawingRefusal : public DrawingTest {
protected:
    std::string base;

    void SetUp() override {
        DrawingTest::SetUp();
        // The file the cases spoil: a converted typical rung with END.
        drawRung();
        press(22);
        press(13);
        base = writeDrawing(captureDrawing(ladder));
        // What is on screen when the spoilt file is opened.
        press(12);
        press(1, "X09");
    }

    void expectRefused(const std::string& path, const std::string& message) {
        const DrawingState before = captureDrawing(ladder);
        const std::vector<std::string> picture = ladder.picture;
        ui.messages.clear();
        EXPECT_FALSE(openDrawing(ladder, document, path));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, message);
        EXPECT_EQ(ui.messages[0].caption, kProgramTitle);
        EXPECT_TRUE(sameDrawing(ladder, before)) << "the refused file changed the drawing";
        EXPECT_EQ(ladder.picture, picture);
        EXPECT_FALSE(document.hasFile());
    }
};

std::string opening(const std::string& path) { return "无法打开图纸“" + path + "”："; }

TEST_F(DrawingRefusal, TheUnspoiltFileOpens) {
    writeBytes(file("a.lad"), base);
    EXPECT_TRUE(openDrawing(ladder, document, file("a.lad")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(writeDrawing(captureDrawing(ladder)), base);
}

TEST_F(DrawingRefusal, EverySpoiltLineIsNamedWithWhatIsWrong) {
    const std::string cells = "row 1 \"  \" \"┃\"";
    const std::vector<Refusal> refusals = {
        {"not a drawing", [](auto& b) { return edit(b, "LadderPad", "Hello"); },
         "这不是梯形图图纸文件：第一行应为“LadderPad drawing 1”"},
        {"a later version", [](auto& b) { return edit(b, "LadderPad", "LadderPad drawing 2"); },
         "图纸格式的版本 2 不受支持，本程序只能打开版本 1"},
        {"a version that is no number", [](auto& b) { return edit(b, "LadderPad", "LadderPad drawing one"); },
         "第一行的版本号应为整数"},
        {"not UTF-8", [](auto& b) { return edit(b, "CurCol", "CurCol \xC3\x28"); }, "这一行不是 UTF-8 编码的文字"},
        {"an odd row", [](auto& b) { return edit(b, "CurRow", "CurRow 7"); }, "CurRow 应为偶数（图形行），这里是 7"},
        {"a row below the sheet", [](auto& b) { return edit(b, "CurRow", "CurRow 262"); },
         "CurRow 应在 2 到 260 之间，这里是 262"},
        {"no number", [](auto& b) { return edit(b, "CurCol", "CurCol abc"); }, "CurCol 应为整数"},
        {"a huge number", [](auto& b) { return edit(b, "CurCol", "CurCol 99999999999999999999"); }, "CurCol 应为整数"},
        {"no value", [](auto& b) { return edit(b, "CurCol", "CurCol"); }, "CurCol 缺少数值"},
        {"a column past the coil", [](auto& b) { return edit(b, "CurCol", "CurCol 58"); },
         "CurCol 应在 1 到 57 之间，这里是 58"},
        {"no such kind", [](auto& b) { return edit(b, "LastKind", "LastKind 10"); },
         "LastKind 应为元件的种类 0 到 9、15、16、18、21 或 22，这里是 10"},
        {"no such kind before", [](auto& b) { return edit(b, "PrevKind", "PrevKind -1"); },
         "PrevKind 应为元件的种类 0 到 9、15、16、18、21 或 22，这里是 -1"},
        {"no such width", [](auto& b) { return edit(b, "PrevWidth", "PrevWidth 7"); },
         "PrevWidth 应为元件的宽度 0、5、6 或 10，这里是 7"},
        {"a coil column past the slots", [](auto& b) { return edit(b, "CoilFromCol", "CoilFromCol 52"); },
         "CoilFromCol 应在 0 到 51 之间，这里是 52"},
        {"a name of two characters", [](auto& b) { return edit(b, "DeviceName", "DeviceName \"X1\""); },
         "DeviceName 应为空或恰好三个字符"},
        {"a name without quotes", [](auto& b) { return edit(b, "DeviceName", "DeviceName X01"); },
         "DeviceName 的文字应写在一对双引号中，转义只能是 \\\\、\\\"、\\n、\\r、\\t 或 \\x 加两位十六进制数"},
        {"an unknown escape", [](auto& b) { return edit(b, "DeviceName", "DeviceName \"X0\\q\""); },
         "DeviceName 的文字应写在一对双引号中，转义只能是 \\\\、\\\"、\\n、\\r、\\t 或 \\x 加两位十六进制数"},
        {"a scan value past 16 bits", [](auto& b) { return edit(b, "HoldPos", "HoldPos 32768"); },
         "HoldPos 应在 -32768 到 32767 之间，这里是 32768"},
        {"too few buttons", [](auto& b) { return edit(b, "enabled", "enabled 101"); },
         "enabled 应为 22 个 0 或 1，依次是按钮 1 到 22 是否可用"},
        {"a bottom row of two", [](auto& b) { return edit(b, "visible", "visible 12"); },
         "visible 应为 4 个 0 或 1，依次是按钮 13、14、19、20 是否显示"},
        {"a value twice", [](auto& b) { return edit(b, "CurRow", "CurRow 2", true); }, "CurRow 出现了两次"},
        {"a value missing", [](auto& b) { return edit(b, "CurCol", ""); }, "文件缺少“CurCol”这一项"},
        {"RowEnd below the sheet", [](auto& b) { return edit(b, "RowEnd", "RowEnd 261 5"); },
         "RowEnd 的行号应在 1 到 260 之间，这里是 261"},
        {"a negative RowEnd", [](auto& b) { return edit(b, "RowEnd", "RowEnd 2 -1"); },
         "RowEnd 应在 0 到 32767 之间，这里是 -1"},
        {"RowEnd twice", [](auto& b) { return edit(b, "RowEnd", "RowEnd 2 6", true); }, "第 2 行的 RowEnd 出现了两次"},
        {"a row above the sheet", [](auto& b) { return edit(b, "row", "row 0 \"  \""); },
         "row 的行号应在 1 到 260 之间，这里是 0"},
        {"a cell that is no glyph", [](auto& b) { return edit(b, "row", "row 1 \"  \" \"┼\""); },
         "第 1 行第 1 列的单元格不是图纸上的符号，也不是三个字符的元件名"},
        {"a cell of four characters", [](auto& b) { return edit(b, "row", "row 1 \"X012\""); },
         "第 1 行第 0 列的单元格不是图纸上的符号，也不是三个字符的元件名"},
        {"a space after no name", [](auto& b) { return edit(b, "row", "row 1 \"  \" \"┃\" \" \""); },
         "第 1 行第 2 列的单元格是一个空格，但它前面不是元件名"},
        {"a row of 74 cells",
         [](auto& b) {
             std::string row = "row 1";
             for (int i = 0; i < 74; ++i) row += " \"  \"";
             return edit(b, "row", row);
         },
         "图纸的一行最多有 73 个单元格（第 0 到 72 列）"},
        {"cells run together", [](auto& b) { return edit(b, "row", "row 1 \"  \"\"┃\""); }, "单元格之间应以一个空格隔开"},
        {"a space at the end", [](auto& b) { return edit(b, "row", "row 1 \"  \" "); }, "行末多了一个空格"},
        {"an open quote", [](auto& b) { return edit(b, "row", "row 1 \"  "); },
         "单元格的文字应写在一对双引号中，转义只能是 \\\\、\\\"、\\n、\\r、\\t 或 \\x 加两位十六进制数"},
        {"a row twice", [cells](auto& b) { return edit(b, "row", cells, true); }, "第 1 行的单元格出现了两次"},
        {"a mark off the sheet", [](auto& b) { return edit(b, "Emitted", "Emitted 2 73 1"); },
         "标记的列号应在 0 到 72 之间，这里是 73"},
        {"a mark that is no flag", [](auto& b) { return edit(b, "Emitted", "Emitted 2 1 2"); },
         "Emitted 应在 0 到 1 之间，这里是 2"},
        {"a mark twice", [](auto& b) { return edit(b, "Emitted", "Emitted 2 1 1", true); },
         "Emitted 在第 2 行第 1 列出现了两次"},
        {"a list too long",
         [](auto& b) { return edit(b, "Text1", "Text1 \"" + std::string((2u << 20) + 1, 'L') + "\"", true); },
         "Text1 的文字超过了 2 MiB"},
        {"an unknown entry", [](auto& b) { return edit(b, "CurRow", "Colour red", true); }, "不认识的条目“Colour”"},
        {"more after a value", [](auto& b) { return edit(b, "CurRow", "CurRow 2 3"); }, "CurRow 这一行的末尾有多余的内容"},
        {"more after the end", [](auto& b) { return edit(b, "end", "CurRow 2", true); }, "“end”这一行之后不应再有内容"},
        {"no end", [](auto& b) { return Edited{b.substr(0, b.size() - 4), 0}; }, "文件不完整：缺少最后的“end”一行"},
        {"empty", [](auto&) { return Edited{"", 0}; }, "文件是空的"},
        {"too large", [](auto& b) { return Edited{b + std::string((8u << 20), '\n'), 0}; },
         "文件大于 8 MiB，不是本程序保存的图纸"},
    };
    // The cases' edits hit lines the base file has.
    ASSERT_NE(base.find("\nEmitted 2 1 1\n"), std::string::npos);
    ASSERT_NE(base.find("\nText1 "), std::string::npos);
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        const Edited e = r.make(base);
        const std::string path = file("spoilt.lad");
        writeBytes(path, e.text);
        const std::string where = e.line > 0 ? "第 " + std::to_string(e.line) + " 行：" : "";
        expectRefused(path, opening(path) + where + r.what + "。");
    }
}

TEST_F(DrawingRefusal, WhatIsNoDrawingFileIsRefusedBeforeItIsRead) {
    expectRefused(file("missing.lad"), opening(file("missing.lad")) + "文件不存在。");
    std::filesystem::create_directory(file("folder.lad"));
    expectRefused(file("folder.lad"), opening(file("folder.lad")) + "这是一个文件夹，不是图纸文件。");
#ifndef _WIN32
    // A named pipe with no writer would block a reader for ever.
    ASSERT_EQ(mkfifo(file("pipe.lad").c_str(), 0600), 0);
    expectRefused(file("pipe.lad"), opening(file("pipe.lad")) + "这不是普通文件。");
#endif
}

}  // namespace
}  // namespace lp::test
