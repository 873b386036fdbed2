// GetKeyValue against the registry itself (advapi32), in keys the test makes
// under HKEY_LOCAL_MACHINE of its own Wine prefix: what it reads is what it
// reads from the stand-in of the same stored bytes, and texts come back from
// the ANSI code page as the program's UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "WindowsFixtures.h"
#include "app/AnsiText.h"
#include "app/FakeRegistry.h"
#include "app/KeyValue.h"
#include "app/Registry.h"

namespace lp::test {
namespace {

const std::string kKey = "SOFTWARE\\LadderPad Tests\\Key Values";

struct Read {
    bool found;
    std::string keyVal;
    bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Read& r) { return out << r.found << " \"" << r.keyVal << "\""; }

Read readFrom(Registry& registry, const std::string& key, const std::string& name, std::string keyVal = "") {
    const bool found = GetKeyValue(registry, kHKeyLocalMachine, key, name, keyVal);
    return {found, keyVal};
}

class RealRegistry : public ::testing::Test {
protected:
    MachineKey key{kKey};
    std::unique_ptr<Registry> system = makeSystemRegistry();

    // The value stored in the real key and in a stand-in, read from both.
    void expectSameAsStandIn(const std::string& name, DWORD type, const std::string& bytes, const Read& want) {
        key.setAnsi(name, type, bytes);
        FakeRegistry fake;
        fake.keys[kKey][name] = {type, bytes};
        const Read real = readFrom(*system, kKey, name, "prior");
        EXPECT_EQ(real, readFrom(fake, kKey, name, "prior")) << name;
        EXPECT_EQ(real, want) << name;
    }
};

TEST_F(RealRegistry, ATextWithAndWithoutItsNulReadsTheSame) {
    expectSameAsStandIn("with", REG_SZ, std::string("C:\\Tools\\msinfo") + '\0', {true, "C:\\Tools\\msinfo"});
    expectSameAsStandIn("without", REG_SZ, "C:\\Tools\\msinfo", {true, "C:\\Tools\\msinfo"});
}

TEST_F(RealRegistry, ANumberIsAppendedAsItsHexadecimalDigitsAndFormatted) {
    // 0x00001A2B: bytes 2B 1A 00 00; the last NUL is dropped, the rest read
    // last first: "0" "1A" "2B", after "prior" -> "&hprior01A2B" stays text.
    expectSameAsStandIn("number", REG_DWORD, std::string("\x2B\x1A\0\0", 4), {true, "&hprior01A2B"});
    // Read into an empty text, "&h01A2B" is the number 0x1A2B.
    EXPECT_EQ(readFrom(*system, kKey, "number"), (Read{true, "6699"}));
}

TEST_F(RealRegistry, AValueLongerThanTheBufferIsNotRead) {
    expectSameAsStandIn("exact", REG_SZ, std::string(1023, 'a') + '\0', {true, std::string(1023, 'a')});
    expectSameAsStandIn("long", REG_SZ, std::string(1024, 'a') + '\0', {false, ""});
    expectSameAsStandIn("longer", REG_SZ, std::string(5000, 'b'), {false, ""});
}

TEST_F(RealRegistry, AMissingValueOrKeyGivesFalseAndAnEmptyText) {
    FakeRegistry fake;
    fake.keys[kKey];
    EXPECT_EQ(readFrom(*system, kKey, "none", "prior"), (Read{false, ""}));
    EXPECT_EQ(readFrom(fake, kKey, "none", "prior"), (Read{false, ""}));
    EXPECT_EQ(readFrom(*system, kKey + "\\Missing", "none", "prior"), (Read{false, ""}));
}

TEST_F(RealRegistry, AChinesePathComesBackAsThatPath) {
    const std::string path = "C:\\程序\\系统信息\\MSINFO32.EXE";
    // As a Unicode program stores it, and as an ANSI program does.
    key.setText("unicode", path);
    key.setAnsi("ansi", REG_SZ, ansiFromText(path) + '\0');
    EXPECT_EQ(readFrom(*system, kKey, "unicode"), (Read{true, path}));
    EXPECT_EQ(readFrom(*system, kKey, "ansi"), (Read{true, path}));
    // The key path and the value name cross in the ANSI code page too.
    MachineKey chinese{kKey + "\\系统信息"};
    chinese.setText("路径", path);
    EXPECT_EQ(readFrom(*system, kKey + "\\系统信息", "路径"), (Read{true, path}));
}

}  // namespace
}  // namespace lp::test
