#pragma once
// A drawn sheet in a core with a scripted user, a document, and a folder
// for drawing files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/Buttons.h"
#include "document/Document.h"
#include "document/DrawingState.h"
#include "platform/TextPath.h"
#include "sheet/Ladder.h"
#include "support/FakeUserInterface.h"

namespace lp::test {

// The fake user, also answering the question before leaving and the file
// dialogs from queues of their own.
class DocumentUserInterface : public FakeUserInterface {
public:
    std::deque<SaveAnswer> answers;
    std::deque<std::string> paths;
    std::vector<std::string> questions;

    SaveAnswer askSaveChanges(const std::string& text, const std::string&) override {
        questions.push_back(text);
        if (answers.empty()) throw std::runtime_error("the question has no answer left");
        const SaveAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string askOpenPath(const std::string&, const std::string&) override { return nextPath(); }
    std::string askSavePath(const std::string&, const std::string&) override { return nextPath(); }

private:
    std::string nextPath() {
        if (paths.empty()) return "";
        std::string p = paths.front();
        paths.pop_front();
        return p;
    }
};

class DrawingTest : public ::testing::Test {
protected:
    DocumentUserInterface ui;
    Ladder ladder{ui};
    Document document;
    std::filesystem::path dir;

    void SetUp() override {
        ladder.Form_Load();
        ladder.Form_Activate();
        dir = std::filesystem::temp_directory_path() /
              ("ladderpad-drawing-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir, ec);
    }

    void press(int n, const std::string& name = "") {
        if (!name.empty()) ui.replies.push_back(name);
        ASSERT_EQ(pressButton(ladder, n), ClickResult::Done) << "button " << n;
    }
    // The first rung of the typical run: X01, X02, coil Y01, line feed.
    void drawRung() {
        press(1, "X01");
        press(5, "X02");
        press(9, "Y01");
        press(11);
    }
    // The full path of `name` (UTF-8, may hold folders) in the folder, with
    // this system's separators, as the messages name it.
    std::string file(const std::string& name) const {
        const std::u8string full = (dir / pathFromText(name)).lexically_normal().u8string();
        return std::string(full.begin(), full.end());
    }

    static void writeBytes(const std::string& path, const std::string& bytes) {
        std::ofstream out(pathFromText(path), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string readBytes(const std::string& path) {
        std::ifstream in(pathFromText(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

}  // namespace lp::test
