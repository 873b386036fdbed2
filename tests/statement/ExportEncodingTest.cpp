// The exported text: its line ends and its GB18030 bytes.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "statement/ExportText.h"
#include "statement/Gb18030.h"

namespace lp {
namespace {

// An independent converter, for comparing with the encodings GB18030 must
// agree with.
std::optional<std::string> convert(const char* to, const char* from, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &next, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::string bytes(std::initializer_list<unsigned> values) {
    std::string s;
    for (unsigned v : values) s += static_cast<char>(v);
    return s;
}

TEST(ExportedText, EveryLineBreakBecomesCrLfAndOneMoreFollows) {
    EXPECT_EQ(exportedText(""), "\r\n");
    EXPECT_EQ(exportedText("LD  X01\r\nEND\r\n"), "LD  X01\r\nEND\r\n\r\n");
    EXPECT_EQ(exportedText("a\nb"), "a\r\nb\r\n");
    EXPECT_EQ(exportedText("a\rb"), "a\r\nb\r\n");
    // A lone CR before an LF pair, an LF CR pair (two breaks), blank lines.
    EXPECT_EQ(exportedText("a\r\r\nb\n\rc\n\n"), "a\r\n\r\nb\r\n\r\nc\r\n\r\n\r\n");
    EXPECT_EQ(exportedText("\r"), "\r\n\r\n");
}

TEST(ExportedText, KeepsEverythingElseAsItIs) {
    EXPECT_EQ(exportedText("LD  X01  \t"), "LD  X01  \t\r\n");
    EXPECT_EQ(exportedText("OUT 输出１"), "OUT 输出１\r\n");
}

TEST(Gb18030, LeavesAsciiAsItIs) {
    std::string all;
    for (int c = 1; c < 128; ++c) all += static_cast<char>(c);
    EXPECT_EQ(toGb18030(all), all);
    EXPECT_EQ(toGb18030(""), "");
}

TEST(Gb18030, WritesChineseTextAsGb2312Does) {
    // 生成的语句表, from the GB2312 code table.
    EXPECT_EQ(toGb18030("生成的语句表"),
              bytes({0xC9, 0xFA, 0xB3, 0xC9, 0xB5, 0xC4, 0xD3, 0xEF, 0xBE, 0xE4, 0xB1, 0xED}));
    // The box-drawing glyphs and full-width brackets of the sheet.
    EXPECT_EQ(toGb18030("━┃（）"), bytes({0xA9, 0xA5, 0xA9, 0xA7, 0xA3, 0xA8, 0xA3, 0xA9}));
}

// Code page 936 is the system code page of the program's setting; the GB2312
// and GBK characters are read through it. (Two GB2312 codes, A1A4 and A1AA,
// have a second Unicode reading in some tables, U+30FB and U+2015; code
// page 936 and GB18030 both read them as U+00B7 and U+2014.)
std::optional<std::string> fromCodePage936(const std::string& code) { return convert("UTF-8", "CP936", code); }

TEST(Gb18030, AgreesWithGb2312OnEveryCharacterItHolds) {
    int compared = 0;
    for (unsigned hi = 0xA1; hi <= 0xF7; ++hi) {
        for (unsigned lo = 0xA1; lo <= 0xFE; ++lo) {
            const std::string code = bytes({hi, lo});
            if (!convert("UTF-8", "GB2312", code)) continue;  // not a GB2312 character
            const auto utf8 = fromCodePage936(code);
            ASSERT_TRUE(utf8);
            ASSERT_EQ(toGb18030(*utf8), code) << std::hex << hi << lo;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 7445);  // 682 symbols and 6763 hanzi
    EXPECT_EQ(toGb18030("·—"), bytes({0xA1, 0xA4, 0xA1, 0xAA}));
}

TEST(Gb18030, AgreesWithGbkOnEveryCharacterItHolds) {
    int compared = 0;
    for (unsigned hi = 0x81; hi <= 0xFE; ++hi) {
        for (unsigned lo = 0x40; lo <= 0xFE; ++lo) {
            if (lo == 0x7F) continue;
            const std::string code = bytes({hi, lo});
            const auto utf8 = fromCodePage936(code);
            if (!utf8) continue;  // an unassigned code
            ASSERT_EQ(toGb18030(*utf8), code) << std::hex << hi << lo;
            ++compared;
        }
    }
    EXPECT_GT(compared, 21000);
}

TEST(Gb18030, HoldsCharactersOutsideGbk) {
    // Four-byte codes: U+1F600 and U+20000, worked out from the GB18030
    // linear mapping of the supplementary planes.
    EXPECT_EQ(toGb18030("😀"), bytes({0x94, 0x39, 0xFC, 0x36}));
    EXPECT_EQ(toGb18030("𠀀"), bytes({0x95, 0x32, 0x82, 0x36}));
    const std::string name = "X😀𠀀€";
    const auto encoded = toGb18030(name);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(convert("UTF-8", "GB18030", *encoded), name);
    // GB2312 cannot hold them at all.
    EXPECT_FALSE(convert("GB2312", "UTF-8", "😀"));
}

TEST(Gb18030, RefusesTextThatIsNotUtf8) {
    EXPECT_FALSE(toGb18030("LD  \xFF"));
    EXPECT_FALSE(toGb18030("\xE7\x94"));          // cut short
    EXPECT_FALSE(toGb18030("\xED\xA0\x80"));      // a surrogate
}

}  // namespace
}  // namespace lp
