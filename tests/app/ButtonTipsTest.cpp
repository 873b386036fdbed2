// The export button's tooltip names the file the export writes, wherever
// that is.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "TempDir.h"
#include "app/ButtonTips.h"
#include "sheet/Ladder.h"
#include "statement/Convert.h"
#include "support/FakeUserInterface.h"

namespace lp::test {
namespace {

const std::string kTipStart = "写入文件：";

// The path a tooltip names.
std::filesystem::path pathInTip(const std::string& tip) {
    EXPECT_EQ(tip.rfind(kTipStart, 0), 0u) << tip;
    return tip.substr(kTipStart.size());
}

// Exports from a ladder whose export folder is `folder` and checks that the
// file landed exactly where the tooltip said, and nowhere else in `root`.
void exportGoesWhereTheTipSays(const std::string& folder, const TempDir& root) {
    SCOPED_TRACE("export folder \"" + folder + "\"");
    FakeUserInterface ui;
    Ladder ladder(ui);
    ladder.exportDir = folder;
    ladder.Text1 = "LD  X01\r\nEND\r\n";
    const std::filesystem::path named = pathInTip(buttonTip(ladder, 19));
    EXPECT_TRUE(named.is_absolute()) << named;
    EXPECT_EQ(named.filename().string(), "生成的语句表.txt");
    EXPECT_FALSE(std::filesystem::exists(named));
    Command19_Click(ladder);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(named)) << named;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root.path()))
        files += entry.is_regular_file() && entry.path().filename() == named.filename();
    EXPECT_EQ(files, 1);
    std::filesystem::remove(named);
}

TEST(ButtonTips, TheExportTipNamesTheFileTheExportWrites) {
    TempDir root;
    std::filesystem::create_directories(root.path() / "sub" / "inner");
    exportGoesWhereTheTipSays(root.str(), root);
    exportGoesWhereTheTipSays(root.str() + "/", root);
    exportGoesWhereTheTipSays(root.str() + "/sub/inner/..", root);

    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(root.path());
    exportGoesWhereTheTipSays("sub", root);
    exportGoesWhereTheTipSays("./sub/inner", root);
    std::filesystem::current_path(before);
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ButtonTips, WithNoFolderGivenTheTipNamesTheDocumentsFolder) {
    TempDir home;
    std::filesystem::create_directories(home.path() / "Documents");
    const ScopedEnv homeVar("HOME", home.str());
    const ScopedEnv configVar("XDG_CONFIG_HOME", home.str() + "/.config");
    FakeUserInterface ui;
    Ladder ladder(ui);
    ladder.exportDir = defaultExportDir();
    EXPECT_EQ(pathInTip(buttonTip(ladder, 19)), home.path() / "Documents" / "生成的语句表.txt");
    exportGoesWhereTheTipSays(ladder.exportDir, home);
}

TEST(ButtonTips, NoOtherButtonHasATip) {
    FakeUserInterface ui;
    Ladder ladder(ui);
    for (int n = 1; n <= 22; ++n) {
        if (n == 19) continue;
        EXPECT_EQ(buttonTip(ladder, n), "") << "Command" << n;
    }
}

}  // namespace
}  // namespace lp::test
