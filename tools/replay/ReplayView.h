#pragma once
// The replay tool's view of the main controller: replies come from the
// script's queues, messages are printed as they would be shown, and what a
// window would draw is not shown.
#include <deque>
#include <ostream>
#include <string>

#include "app/QuietView.h"

namespace lp {

// Thrown when the name prompt finds no reply left; ends the replay.
struct NoReplyLeft {};
// Thrown when the question before leaving finds no answer queued.
struct NoAnswerLeft {};

class ReplayView : public QuietView {
public:
    explicit ReplayView(std::ostream& out) : out_(out) {}

    void queueReply(std::string reply) { replies_.push_back(std::move(reply)); }
    void queueLeaveAnswer(SaveAnswer answer) { leaveAnswers_.push_back(answer); }
    // Scripts that never touch a drawing file leave without the question,
    // as they always did.
    void useFiles() { usesFiles_ = true; }
    // An exit button has shown the about box: the replay ends.
    bool exited() const { return exited_; }

    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    // Prints "question: TEXT" and answers with the next queued answer. There
    // are no file dialogs: a save that needs one does not happen.
    SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) override;
    void simulationRefused(const std::string& why) override;
    void showAbout() override;


private:
    std::ostream& out_;
    std::deque<std::string> replies_;
    std::deque<SaveAnswer> leaveAnswers_;
    bool usesFiles_ = false;
    bool exited_ = false;
};

}  // namespace lp
