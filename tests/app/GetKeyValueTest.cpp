// Reading one registry value: the calls made, the text it gives, and the
// key closed exactly when it was opened.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "FakeRegistry.h"
#include "app/AnsiText.h"
#include "app/KeyValue.h"

namespace lp {
namespace {

const std::string kKey = "SOFTWARE\\Test\\Key";

class GetKeyValueTest : public ::testing::Test {
protected:
    test::FakeRegistry registry;

    void store(std::uint32_t type, const std::string& data) { registry.keys[kKey]["Value"] = {type, data}; }

    bool read(std::string& keyVal) { return GetKeyValue(registry, kHKeyLocalMachine, kKey, "Value", keyVal); }

    void expectClosedWhenOpened() { EXPECT_TRUE(registry.closedExactlyWhenOpened()); }
};

TEST_F(GetKeyValueTest, OpensTheKeyAndReadsIntoAFullBuffer) {
    store(kRegSz, std::string("C:\\Tools\\info.exe") + '\0');
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, "C:\\Tools\\info.exe");

    ASSERT_EQ(registry.opens.size(), 1u);
    EXPECT_EQ(registry.opens[0].root, 0x80000002u);
    EXPECT_EQ(registry.opens[0].keyPath, kKey);
    EXPECT_EQ(registry.opens[0].options, 0u);
    EXPECT_EQ(registry.opens[0].accessMask, 0x2003Fu);
    ASSERT_EQ(registry.queries.size(), 1u);
    EXPECT_EQ(registry.queries[0].valueName, "Value");
    EXPECT_EQ(registry.queries[0].bufferSize, 1024u);
    ASSERT_EQ(registry.closes.size(), 1u);
    EXPECT_EQ(registry.closes[0], registry.queries[0].handle);
    expectClosedWhenOpened();
}

TEST_F(GetKeyValueTest, TextWithAndWithoutItsNulReadsTheSame) {
    std::string withNul, withoutNul;
    store(kRegSz, std::string("D:\\msinfo") + '\0');
    ASSERT_TRUE(read(withNul));
    store(kRegSz, "D:\\msinfo");
    ASSERT_TRUE(read(withoutNul));
    EXPECT_EQ(withNul, "D:\\msinfo");
    EXPECT_EQ(withoutNul, withNul);
    expectClosedWhenOpened();
}

TEST_F(GetKeyValueTest, OnlyTheLastNulIsDropped) {
    store(kRegSz, std::string("ab\0c\0\0", 6));
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, std::string("ab\0c\0", 5));
}

TEST_F(GetKeyValueTest, EmptyTextValues) {
    std::string keyVal = "old";
    store(kRegSz, std::string(1, '\0'));
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "old";
    store(kRegSz, "");
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, "");
}

// The value's bytes are in the system's ANSI code page (code page 936 on a
// Chinese Windows, UTF-8 elsewhere); the text comes back as the program's.
TEST_F(GetKeyValueTest, TextComesBackAsTheTextStored) {
    const std::string path = "C:\\程序\\工具.exe";
    store(kRegSz, ansiFromText(path) + '\0');
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, path);
}

TEST_F(GetKeyValueTest, ValuesThatJustFitTheBuffer) {
    std::string keyVal;
    const std::string text1023(1023, 'a');
    store(kRegSz, text1023 + '\0');
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, text1023);

    const std::string text1024(1024, 'b');
    store(kRegSz, text1024);
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, text1024);
}

TEST_F(GetKeyValueTest, ValueOverTheBufferIsNotRead) {
    store(kRegSz, std::string(1024, 'c') + '\0');
    std::string keyVal = "held before";
    EXPECT_FALSE(read(keyVal));
    EXPECT_EQ(keyVal, "");
    expectClosedWhenOpened();
    EXPECT_EQ(registry.closes.size(), 1u);
}

TEST_F(GetKeyValueTest, ReportedSizeNeverReachesPastTheBuffer) {
    store(kRegSz, std::string(10, 'd'));
    registry.sizeReported = 5000;
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    // The whole buffer, whose last byte is a NUL and so dropped.
    EXPECT_EQ(keyVal.size(), 1023u);
    EXPECT_EQ(keyVal.substr(0, 10), std::string(10, 'd'));
    EXPECT_EQ(keyVal.find_first_not_of('\0', 10), std::string::npos);
}

TEST_F(GetKeyValueTest, OpenFailureEmptiesKeyValAndClosesNothing) {
    registry.openError = kErrorAccessDenied;
    std::string keyVal = "held before";
    EXPECT_FALSE(read(keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(registry.queries.empty());
    EXPECT_TRUE(registry.closes.empty());
}

TEST_F(GetKeyValueTest, MissingKeyEmptiesKeyVal) {
    std::string keyVal = "held before";
    EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\Nowhere", "Value", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(registry.closes.empty());
}

TEST_F(GetKeyValueTest, QueryFailureEmptiesKeyValAndClosesTheKey) {
    store(kRegSz, "x");
    for (long error : {kErrorFileNotFound, kErrorAccessDenied}) {
        registry.queryError = error;
        std::string keyVal = "held before";
        EXPECT_FALSE(read(keyVal)) << error;
        EXPECT_EQ(keyVal, "") << error;
    }
    EXPECT_EQ(registry.closes.size(), 2u);
    expectClosedWhenOpened();
}

TEST_F(GetKeyValueTest, MissingValueInAnExistingKey) {
    store(kRegSz, "x");
    std::string keyVal = "held before";
    EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kKey, "Other", keyVal));
    EXPECT_EQ(keyVal, "");
    expectClosedWhenOpened();
}

TEST_F(GetKeyValueTest, FailingCallStillClosesTheKey) {
    store(kRegSz, "x");
    registry.throwOnQuery = true;
    std::string keyVal;
    EXPECT_THROW(read(keyVal), std::runtime_error);
    EXPECT_EQ(registry.closes.size(), 1u);
    expectClosedWhenOpened();
}

TEST_F(GetKeyValueTest, OtherTypesLeaveKeyValAsItWas) {
    for (std::uint32_t type : {0u, 2u, 3u, 7u, 11u}) {
        store(type, std::string("abc") + '\0');
        std::string keyVal = "held before";
        EXPECT_TRUE(read(keyVal)) << type;
        EXPECT_EQ(keyVal, "held before") << type;
    }
    expectClosedWhenOpened();
}

// A 32-bit number: its bytes, last first, as hexadecimal digits without
// leading zeros, then read as a hexadecimal number.
TEST_F(GetKeyValueTest, NumberWithoutZeroBytes) {
    store(kRegDword, std::string("\x78\x56\x34\x12", 4));
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, std::to_string(0x12345678));
}

TEST_F(GetKeyValueTest, NumberLosesItsLastZeroByteLikeAText) {
    // 26 is stored as 1A 00 00 00: the last NUL goes, the other zero bytes
    // give one digit each: "&h" "0" "0" "1A".
    store(kRegDword, std::string("\x1A\0\0\0", 4));
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, "26");
}

TEST_F(GetKeyValueTest, NumberBytesHaveNoLeadingZeros) {
    // 05 00 01 00 -> bytes 05 00 01 -> "1" "0" "5" -> &h105
    store(kRegDword, std::string("\x05\0\x01\0", 4));
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, std::to_string(0x105));
}

TEST_F(GetKeyValueTest, NumberDigitsAreAppendedToWhatKeyValHeld) {
    store(kRegDword, std::string("\x02", 1));
    std::string keyVal = "1";
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, std::to_string(0x12));

    keyVal = "C:";
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, "&hC:2");  // not a number: the text stays
}

TEST_F(GetKeyValueTest, EmptyNumberStaysAnEmptyHexText) {
    store(kRegDword, std::string(1, '\0'));
    std::string keyVal;
    ASSERT_TRUE(read(keyVal));
    EXPECT_EQ(keyVal, "&h");
}

TEST(FormatHexNumber, HexTextsBecomeDecimal) {
    EXPECT_EQ(formatHexNumber("&h0"), "0");
    EXPECT_EQ(formatHexNumber("&hff"), "255");
    EXPECT_EQ(formatHexNumber("&H1a"), "26");
    EXPECT_EQ(formatHexNumber("&hFFFFFFFFFFFFFFFF"), "18446744073709551615");
    EXPECT_EQ(formatHexNumber("&h00000000000000000000001A"), "26");
}

TEST(FormatHexNumber, OtherTextsStay) {
    EXPECT_EQ(formatHexNumber("&h"), "&h");
    EXPECT_EQ(formatHexNumber("&hG1"), "&hG1");
    EXPECT_EQ(formatHexNumber("&h1 "), "&h1 ");
    EXPECT_EQ(formatHexNumber("12"), "12");
    EXPECT_EQ(formatHexNumber(""), "");
    EXPECT_EQ(formatHexNumber("&h10000000000000000"), "&h10000000000000000");  // over 64 bits
}

}  // namespace
}  // namespace lp
