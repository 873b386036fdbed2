#pragma once
// Stand-ins for the modal boxes of the windows, so that a test can answer
// them without blocking, and a counter for the program's end.
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace lp::test {

struct Message {
    QString text;
    QString caption;
    bool operator==(const Message&) const = default;
};

// Records every message box instead of showing it.
struct MessageLog {
    std::vector<Message> messages;
    std::function<void(const QString&, const QString&)> function() {
        return [this](const QString& text, const QString& caption) { messages.push_back({text, caption}); };
    }
};

// Answers input boxes from a queue; a prompt with nothing left fails the test
// by returning a marker the caller checks.
struct Answers {
    QStringList replies;
    QStringList prompts;
    QStringList titles;
    std::function<void()> onPrompt;  // runs while the box would be open
    int unanswered = 0;
    std::function<QString(const QString&, const QString&, const QString&)> function() {
        return [this](const QString& prompt, const QString& title, const QString&) {
            prompts << prompt;
            titles << title;
            if (onPrompt) onPrompt();
            if (replies.isEmpty()) {
                ++unanswered;
                return QStringLiteral("???");
            }
            return replies.takeFirst();
        };
    }
};

struct EndCounter {
    int ends = 0;
    std::function<void()> function() {
        return [this] { ++ends; };
    }
};

}  // namespace lp::test
