#include "ReplayUserInterface.h"

namespace lp {

std::string ReplayUserInterface::inputBox(const std::string&, const std::string&) {
    if (replies_.empty()) throw NoReplyLeft{};
    std::string reply = std::move(replies_.front());
    replies_.pop_front();
    return reply;
}

void ReplayUserInterface::messageBox(const std::string& text, const std::string&) {
    out_ << "message: " << text << '\n';
}

UserInterface::SaveAnswer ReplayUserInterface::askSaveChanges(const std::string& text, const std::string&) {
    out_ << "question: " << text << '\n';
    if (leaveAnswers_.empty()) throw NoAnswerLeft{};
    const SaveAnswer answer = leaveAnswers_.front();
    leaveAnswers_.pop_front();
    return answer;
}

}  // namespace lp
