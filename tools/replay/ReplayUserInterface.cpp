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

}  // namespace lp
