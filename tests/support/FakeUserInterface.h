#pragma once
// A user interface for tests: replies come from a queue, every prompt and
// message is recorded. An empty queue answers as a cancel would ("").
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace lp::test {

class FakeUserInterface : public UserInterface {
public:
    struct Prompt {
        std::string prompt, title;
    };
    struct Message {
        std::string text, caption;
    };

    std::deque<std::string> replies;
    std::vector<Prompt> prompts;
    std::vector<Message> messages;
    // Called at each prompt, before it answers (to look at the state then).
    std::function<void()> onPrompt;

    std::string inputBox(const std::string& prompt, const std::string& title) override {
        prompts.push_back({prompt, title});
        if (onPrompt) onPrompt();
        if (replies.empty()) throw std::runtime_error("the name prompt has no reply left");
        std::string r = replies.front();
        replies.pop_front();
        return r;
    }
    void messageBox(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
};

}  // namespace lp::test
