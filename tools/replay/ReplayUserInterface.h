#pragma once
// The replay tool's stand-in for the modal boxes: replies come from the
// script's queue, messages are printed as they would be shown.
#include <deque>
#include <ostream>
#include <string>

#include "sheet/UserInterface.h"

namespace lp {

// Thrown when the name prompt finds no reply left; ends the replay.
struct NoReplyLeft {};
// Thrown when the question before leaving finds no answer queued.
struct NoAnswerLeft {};

class ReplayUserInterface : public UserInterface {
public:
    explicit ReplayUserInterface(std::ostream& out) : out_(out) {}

    void queueReply(std::string reply) { replies_.push_back(std::move(reply)); }
    void queueLeaveAnswer(SaveAnswer answer) { leaveAnswers_.push_back(answer); }

    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    // Prints "question: TEXT" and answers with the next queued answer. There
    // are no file dialogs: a save that needs one does not happen.
    SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) override;

private:
    std::ostream& out_;
    std::deque<std::string> replies_;
    std::deque<SaveAnswer> leaveAnswers_;
};

}  // namespace lp
