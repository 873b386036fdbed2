#pragma once
// A main view that draws nothing and answers the name prompt from a queue:
// for tests that drive the controller and look at the core.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MainView.h"

namespace lp::test {

struct NoReplyLeft : std::runtime_error {
    NoReplyLeft() : std::runtime_error("the prompt found no reply") {}
};

class NullView : public MainView {
public:
    std::deque<std::string> replies;
    std::vector<std::string> messages;

    std::string inputBox(const std::string&, const std::string&) override {
        if (replies.empty()) throw NoReplyLeft();
        std::string reply = replies.front();
        replies.pop_front();
        return reply;
    }
    void messageBox(const std::string& text, const std::string&) override { messages.push_back(text); }
    void showSheet(const std::vector<std::string>&, int, int) override {}
    void showMarks(const std::vector<MarkShape>&, const std::vector<int>&) override {}
    void setButton(int, bool, bool) override {}
    void setText1(const std::string&) override {}
    void selectText1Line(std::size_t) override {}
    void setCaption(const std::string&) override {}
    void setMenuEnabled(MenuCommand, bool) override {}
    void showDeviceTable(const DeviceTableModel& model, bool) override { table = model; }
    void hideDeviceTable() override {}
    void startTimer(int) override {}
    void stopTimer() override {}
    void showAbout() override {}
    void endProgram() override {}

    DeviceTableModel table;
};

}  // namespace lp::test
