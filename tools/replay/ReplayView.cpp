#include "ReplayView.h"

namespace lp {

std::string ReplayView::inputBox(const std::string&, const std::string&) {
    if (replies_.empty()) throw NoReplyLeft{};
    std::string reply = std::move(replies_.front());
    replies_.pop_front();
    return reply;
}

void ReplayView::messageBox(const std::string& text, const std::string&) { out_ << "message: " << text << '\n'; }

UserInterface::SaveAnswer ReplayView::askSaveChanges(const std::string& text, const std::string&) {
    if (!usesFiles_) return SaveAnswer::DontSave;
    out_ << "question: " << text << '\n';
    if (leaveAnswers_.empty()) throw NoAnswerLeft{};
    const SaveAnswer answer = leaveAnswers_.front();
    leaveAnswers_.pop_front();
    return answer;
}

void ReplayView::simulationRefused(const std::string& why) { out_ << "sim: refused: " << why << '\n'; }

void ReplayView::showAbout() {
    out_ << "exit\n";
    exited_ = true;
}

}  // namespace lp
