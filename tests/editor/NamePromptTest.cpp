// The device-name prompt: three characters counted as code points, asked
// again with a message until the reply fits, stored exactly as typed.
#include "EditorFixture.h"
#include "editor/Commands.h"
#include "editor/HiddenCharacters.h"
#include "editor/BlankCharacters.h"
#include "editor/NamePrompt.h"

namespace lp::test {
namespace {

const std::string kContactPromptText = "请输入器件名称(限三个字符,如 X01 )";
const std::string kCoilPromptText = "请输入器件名称(限三个字符,如 Y01 )";
const std::string kTitle = "输入器件名称";
const std::string kRetry = "输入器件名称不合要求，请重新输入器件名称";

TEST(CodePointCount, CountsCharactersNotBytes) {
    EXPECT_EQ(codePointCount(""), 0);
    EXPECT_EQ(codePointCount("X01"), 3);
    EXPECT_EQ(codePointCount("输入器"), 3);        // three bytes each
    EXPECT_EQ(codePointCount("Ｘ０１"), 3);        // full-width letters
    EXPECT_EQ(codePointCount("é\xF0\x9F\x98\x80x"), 3);  // two-byte, four-byte, one-byte
    EXPECT_EQ(codePointCount(std::string("A\0B", 3)), 3);
}

TEST(CodePointCount, MalformedBytesAreNotCounted) {
    EXPECT_EQ(codePointCount("\x80" "AB"), -1);         // stray continuation byte
    EXPECT_EQ(codePointCount("AB\xE8\xBE"), -1);        // truncated sequence at the end
    EXPECT_EQ(codePointCount("A\xE8" "BC"), -1);        // lead byte without continuation
    EXPECT_EQ(codePointCount("\xC0\xAF" "AB"), -1);     // overlong '/'
    EXPECT_EQ(codePointCount("\xED\xA0\x80" "AB"), -1); // surrogate
    EXPECT_EQ(codePointCount("\xF4\x90\x80\x80"), -1);  // above U+10FFFF
    EXPECT_EQ(codePointCount("\xFF\xFE\xFD"), -1);      // three bytes that are no characters
}

TEST(CodePointCount, DeviceNameIsExactlyThree) {
    EXPECT_TRUE(isDeviceName("X01"));
    EXPECT_TRUE(isDeviceName("   "));
    EXPECT_TRUE(isDeviceName("输入器"));
    EXPECT_FALSE(isDeviceName(""));
    EXPECT_FALSE(isDeviceName("X1"));
    EXPECT_FALSE(isDeviceName("X001"));
    EXPECT_FALSE(isDeviceName("输入"));  // six bytes, two characters
    EXPECT_FALSE(isDeviceName("\xFF\xFE\xFD"));
}

using NamePromptTest = EditorTest;

TEST_F(NamePromptTest, WrongRepliesAreAnsweredAndAskedAgain) {
    ui.replies = {"", "X1", "X001", "X01"};  // cancel, two, four, three
    press(1);
    ASSERT_EQ(ui.prompts.size(), 4u);
    for (const auto& p : ui.prompts) {
        EXPECT_EQ(p.prompt, kContactPromptText);
        EXPECT_EQ(p.title, kTitle);
    }
    ASSERT_EQ(ui.messages.size(), 3u);
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.text, kRetry);
        EXPECT_EQ(m.caption, "梯形图编辑器");
    }
    EXPECT_EQ(ladder.state.DeviceName, "X01");
    EXPECT_EQ(cell(1, 2), "X01");
}

TEST_F(NamePromptTest, MessageComesBetweenThePrompts) {
    ui.replies = {"AB", "ABC"};
    std::vector<std::size_t> messagesAtPrompt;
    ui.onPrompt = [&] { messagesAtPrompt.push_back(ui.messages.size()); };
    press(1);
    EXPECT_EQ(messagesAtPrompt, (std::vector<std::size_t>{0, 1}));
}

TEST_F(NamePromptTest, AnyThreeCharactersAreStoredAsTyped) {
    press(1, "输入器");
    EXPECT_EQ(cell(1, 2), "输入器");
    EXPECT_EQ(cell(1, 3), " ");
    press(5, "   ");
    EXPECT_EQ(ladder.state.DeviceName, "   ");
    EXPECT_EQ(cell(1, 7), "   ");
    press(6, "x 1");
    EXPECT_EQ(cell(1, 12), "x 1");
    EXPECT_TRUE(ui.messages.empty());
    // The full-width name prints three columns wider: its row is longer in
    // bytes but holds the same 73 cells.
    EXPECT_EQ(ladder.picture.size(), 2u);
}

TEST_F(NamePromptTest, MalformedReplyIsRefusedLikeAWrongLength) {
    ui.replies = {"\xFF\xFE\xFD", "X\xE8", "Y01"};
    press(1);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ladder.state.DeviceName, "Y01");
}

TEST_F(NamePromptTest, CoilsUseTheirOwnPrompt) {
    press(1, "X01");
    ui.replies = {"Y1", "Y01"};
    press(9);
    ASSERT_EQ(ui.prompts.size(), 3u);
    EXPECT_EQ(ui.prompts[1].prompt, kCoilPromptText);
    EXPECT_EQ(ui.prompts[2].prompt, kCoilPromptText);
    EXPECT_EQ(ui.prompts[2].title, kTitle);
    EXPECT_EQ(ui.messages.size(), 1u);
    press(11);
    press(21, "Y02");
    EXPECT_EQ(ui.prompts.back().prompt, kCoilPromptText);
}

TEST_F(NamePromptTest, NoReplyLeavesThePlacementUnfinished) {
    // The prompt cannot be left without a name; a user interface that can
    // give none ends the command before it draws the contact.
    EXPECT_THROW(Command1_Click(ladder), std::runtime_error);
    EXPECT_EQ(cell(2, 1), "  ");
    EXPECT_EQ(rowEnd(2), 0);
}

}  // namespace
}  // namespace lp::test

namespace lp::test {
namespace {

std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Controls, format characters and the two separators, from several blocks:
// tab, escape, delete, next line, soft hyphen, Arabic letter mark,
// zero-width space and joiner, left-to-right and right-to-left marks, the
// right-to-left override, a directional isolate, word joiner, byte order
// mark, interlinear annotation, a language tag; line and paragraph separator.
const char32_t kHidden[] = {0x09,   0x1B,   0x7F,   0x85,   0xAD,   0x61C,  0x200B, 0x200D, 0x200E,
                            0x200F, 0x202E, 0x2066, 0x2060, 0xFEFF, 0xFFF9, 0xE0001, 0x2028, 0x2029};
// Visible characters kept as typed: letters, digits, full-width forms,
// the ordinary space, CJK, a combining accent.
const char32_t kVisible[] = {'X', '0', ' ', 0xFF38, 0xFF10, 0x8F93, 0x2502, 0x301, 0x1F600};
// Drawn as nothing though neither controls nor format characters: the
// Hangul fillers, the braille blank, the combining grapheme joiner, a
// Khmer inherent vowel, a Mongolian free variation selector, variation
// selectors.
const char32_t kBlank[] = {0x3164, 0x115F, 0x1160, 0xFFA0, 0x2800, 0x34F, 0x17B4, 0x180B, 0xFE0F, 0xE0100};
// Spaces other than the ordinary one: kept between two characters, refused
// at either end, where they cannot be seen.
const char32_t kOtherSpaces[] = {0xA0, 0x202F, 0x2002, 0x3000};

TEST(DeviceNameCharacters, AHiddenCharacterAnywhereRefusesTheName) {
    for (char32_t c : kHidden) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        const std::string h = utf8(c);
        EXPECT_EQ(codePointCount("X" + h + "1"), 3);
        EXPECT_FALSE(isDeviceName(h + "01"));
        EXPECT_FALSE(isDeviceName("X" + h + "1"));
        EXPECT_FALSE(isDeviceName("X0" + h));
        EXPECT_FALSE(isDeviceName(h + h + h));
    }
    for (char32_t c : kVisible) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        EXPECT_TRUE(isDeviceName("X" + utf8(c) + "1"));
        EXPECT_TRUE(isDeviceName(utf8(c) + utf8(c) + utf8(c)));
    }
}

TEST(DeviceNameCharacters, ACharacterDrawnAsNothingRefusesTheName) {
    for (char32_t c : kBlank) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        const std::string b = utf8(c);
        EXPECT_FALSE(isDeviceName(b + "01"));
        EXPECT_FALSE(isDeviceName("X" + b + "1"));
        EXPECT_FALSE(isDeviceName("X0" + b));
        EXPECT_FALSE(isDeviceName(b + b + b));
    }
    for (char32_t c : kOtherSpaces) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        const std::string sp = utf8(c);
        EXPECT_TRUE(isDeviceName("X" + sp + "1"));
        EXPECT_FALSE(isDeviceName(sp + "X1"));
        EXPECT_FALSE(isDeviceName("X1" + sp));
        EXPECT_FALSE(isDeviceName(sp + sp + sp));
    }
}

TEST(DeviceNameCharacters, EveryCodePointIsJudgedByItsCategory) {
    // Over the whole code space, the name prompt refuses a character between
    // two others exactly when its category is Cc, Cf, Zl or Zp or it is drawn
    // as nothing: the decoder hands every code point to the tests unchanged.
    int refused = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string name = "A";
        name += utf8(c);
        name += 'B';
        const bool kept = isDeviceName(name);
        if (kept == (isHiddenCharacter(c) || isBlankMark(c))) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
            break;
        }
        refused += !kept;
    }
    // 65 controls, 2 separators, the format characters (170 in Unicode 15;
    // more as Unicode grows) and the 268 blank marks, 256 of them variation
    // selectors.
    EXPECT_GE(refused, 65 + 2 + 150 + 268);
    EXPECT_LT(refused, 65 + 2 + 400 + 300);
}

TEST_F(NamePromptTest, HiddenCharactersAreAnsweredLikeAWrongLength) {
    ui.replies = {"X\t1", "X\xE2\x80\x8B" "1", "\xE2\x80\xAE" "X1", "\x1B" "X1", "X01"};
    press(1);
    ASSERT_EQ(ui.prompts.size(), 5u);
    ASSERT_EQ(ui.messages.size(), 4u);
    for (const auto& m : ui.messages) EXPECT_EQ(m.text, kRetry);
    for (const auto& p : ui.prompts) EXPECT_EQ(p.prompt, kContactPromptText);
    EXPECT_EQ(cell(1, 2), "X01");
    press(5, "Ｘ０２");
    EXPECT_EQ(cell(1, 7), "Ｘ０２");
}

}  // namespace
}  // namespace lp::test
