// The bytes of the export's GB18030 converter against reference files made
// by the Linux converter (glibc's GB18030, which lp::toGb18030 uses there):
//   data/gb2312.txt     every GB2312 character, in the order of its code
//                       (as GB18030 reads that code);
//   data/gbk.txt        every further GBK character that GB18030 codes in
//                       the same two bytes (not the user-defined area, not
//                       the euro sign);
//   data/four-byte.txt  a spread of characters GB18030 codes in four bytes,
//                       over the basic plane and the planes beyond, leaving
//                       out the few that its editions map differently;
// each beside NAME.gb18030, its bytes as written by
//   iconv -f UTF-8 -t GB18030 NAME.txt > NAME.gb18030
// On Linux this checks that the converter still writes those bytes; on
// Windows, that the system's converter writes the same.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/TextPath.h"
#include "statement/Gb18030.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace lp {
namespace {

std::string readData(const std::string& name) {
    const char* tests = std::getenv("LADDERPAD_TEST_DATA");
    const std::string path = std::string(tests ? tests : "tests") + "/statement/data/" + name;
    std::ifstream in(pathFromText(path), std::ios::binary);
    if (!in) ADD_FAILURE() << "cannot read " << path;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The UTF-8 text cut into its characters.
std::vector<std::string> characters(const std::string& utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.push_back(utf8.substr(i, n));
        i += n;
    }
    return out;
}

// GB18030 bytes cut into their characters: one byte below 0x80, four when
// the second byte is a digit, else two.
std::vector<std::string> gbCharacters(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t n = 1;
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            n = i + 1 < bytes.size() && bytes[i + 1] >= '0' && bytes[i + 1] <= '9' ? 4 : 2;
        out.push_back(bytes.substr(i, n));
        i += n;
    }
    return out;
}

std::string hex(const std::string& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) out += std::string{digits[b >> 4], digits[b & 15], ' '};
    return out;
}

// Every character of NAME.txt converts, one by one, to its bytes in
// NAME.gb18030, and the whole text to the whole file.
void expectReferenceBytes(const std::string& name) {
    const std::string text = readData(name + ".txt");
    const std::string want = readData(name + ".gb18030");
    const std::vector<std::string> chars = characters(text);
    const std::vector<std::string> codes = gbCharacters(want);
    ASSERT_FALSE(chars.empty());
    ASSERT_EQ(chars.size(), codes.size());
    int wrong = 0;
    for (std::size_t i = 0; i < chars.size() && wrong < 10; ++i) {
        const std::optional<std::string> got = toGb18030(chars[i]);
        if (got == codes[i]) continue;
        ++wrong;
        ADD_FAILURE() << name << ": character " << i << " (" << hex(chars[i]) << ") gives "
                      << (got ? hex(*got) : "nothing") << "instead of " << hex(codes[i]);
    }
    EXPECT_EQ(toGb18030(text), want);
}

bool systemHasGb18030() {
#ifdef _WIN32
    return ::IsValidCodePage(54936);
#else
    return true;
#endif
}

TEST(Gb18030Reference, EveryGb2312CharacterAsTheLinuxConverterWritesIt) { expectReferenceBytes("gb2312"); }

TEST(Gb18030Reference, EveryFurtherGbkCharacterAsTheLinuxConverterWritesIt) { expectReferenceBytes("gbk"); }

// Where the system has no GB18030 converter of its own (Wine), these are
// refused, never written otherwise.
TEST(Gb18030Reference, FourByteCodesAsTheLinuxConverterWritesThemOrNone) {
    if (systemHasGb18030()) {
        expectReferenceBytes("four-byte");
        return;
    }
    const std::vector<std::string> chars = characters(readData("four-byte.txt"));
    ASSERT_FALSE(chars.empty());
    for (const std::string& c : chars) EXPECT_EQ(toGb18030(c), std::nullopt) << hex(c);
    EXPECT_EQ(toGb18030("LD  " + chars[0]), std::nullopt);
}

TEST(Gb18030Reference, TheEuroSignAndTheUserDefinedAreaAreGb18030sOwnCodesOrNone) {
    const std::optional<std::string> euro = toGb18030("\xE2\x82\xAC");  // U+20AC
    const std::optional<std::string> userDefined = toGb18030("\xEE\x80\x80");  // U+E000
    if (systemHasGb18030()) {
        EXPECT_EQ(euro, std::string("\xA2\xE3"));
        EXPECT_EQ(userDefined, std::string("\xAA\xA1"));
    } else {
        EXPECT_EQ(euro, std::nullopt);
        EXPECT_EQ(userDefined, std::nullopt);
    }
}

#ifdef _WIN32
// The program lives in the system's code page 936, as a Chinese Windows has it.
TEST(SystemCodePage, IsTheSimplifiedChineseOne) { EXPECT_EQ(::GetACP(), 936u); }
#else
// Decodes one character's bytes; nothing when they are not one character.
std::optional<std::string> decode(const char* from, const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char out[8];
    char* in = const_cast<char*>(bytes.data());
    char* next = out;
    std::size_t inLeft = bytes.size(), outLeft = sizeof out;
    const bool ok = iconv(cd, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return std::string(out, sizeof out - outLeft);
}

// The GB2312 list is the whole of GB2312: every code of its 87 rows of 94
// that is a GB2312 character, in that order, as GB18030 reads that code;
// and its GB18030 bytes are those very codes.
TEST(Gb18030Reference, TheGb2312ListHoldsEveryGb2312CharacterAndItsCode) {
    std::string all, codes;
    for (int row = 0xA1; row <= 0xF7; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const std::string code{static_cast<char>(row), static_cast<char>(cell)};
            if (!decode("GB2312", code)) continue;
            const std::optional<std::string> c = decode("GB18030", code);
            ASSERT_TRUE(c) << hex(code);
            all += *c;
            codes += code;
        }
    }
    EXPECT_EQ(characters(all).size(), 7445u);
    EXPECT_EQ(all, readData("gb2312.txt"));
    EXPECT_EQ(codes, readData("gb2312.gb18030"));
}
#endif

}  // namespace
}  // namespace lp
