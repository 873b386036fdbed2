// The display rule over UTF-8: every character gets the column after the
// one before it, the columns add up, and the line's bytes are covered once.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "texts/DisplayColumns.h"

namespace lp {
namespace {

const char* const kPieces[] = {"┣", "━", "┃", "（", "）", "  ", " ", "X01", "E", "😀", "\xE2\x94", "\x80", "\xC0\xAF",
                               "\xED\xA0\x80", "\xF4\x90\x80\x80", "é", "\t"};

TEST(DisplayColumns, PlacesEveryCharacterAfterTheOneBefore) {
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string line;
        const int pieces = static_cast<int>(random() % 12);
        for (int i = 0; i < pieces; ++i) line += kPieces[random() % std::size(kPieces)];
        const auto placed = placeLine(line);
        std::size_t at = 0;
        int column = 0;
        for (const PlacedCodePoint& c : placed) {
            EXPECT_EQ(c.at, at);
            EXPECT_EQ(c.column, column);
            EXPECT_EQ(c.width, displayWidth(c.codePoint));
            EXPECT_TRUE(c.bytes >= 1 && c.bytes <= 4);
            EXPECT_TRUE(c.codePoint <= 0x10FFFF && !(c.codePoint >= 0xD800 && c.codePoint <= 0xDFFF));
            at += c.bytes;
            column += c.width;
        }
        EXPECT_EQ(at, line.size());
        EXPECT_EQ(displayColumns(line), column);
    }
}

TEST(DisplayColumns, CellsOfTheSheetCoverTwoColumns) {
    EXPECT_EQ(displayColumns("┣┫  ┣━"), 10);
    EXPECT_EQ(displayColumns("X01 "), 4);
    EXPECT_EQ(displayColumns("END     "), 8);
    const auto placed = placeLine("┃\xE2\x94┃");  // a sequence cut short stands for one character
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[1].codePoint, U'\xFFFD');
    EXPECT_EQ(placed[2].codePoint, U'┃');
    EXPECT_EQ(placed[2].column, 4);
}

}  // namespace
}  // namespace lp
