#pragma once
// A main view that draws nothing and answers the name prompt from a queue:
// for tests that drive the controller and look at the core.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/QuietView.h"

namespace lp::test {

struct NoReplyLeft : std::runtime_error {
    NoReplyLeft() : std::runtime_error("the prompt found no reply") {}
};

class NullView : public QuietView {
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
    void showDeviceTable(const DeviceTableModel& model, bool) override { table = model; }

    DeviceTableModel table;
};

}  // namespace lp::test
