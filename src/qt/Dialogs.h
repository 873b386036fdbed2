#pragma once
// The two modal boxes of the program, as real Qt dialogs.
#include <functional>
#include <QString>

class QWidget;

namespace lp {

// A message box with the text, the caption, no icon and one OK button
// ("确定"); returns when it is closed.
void showMessageBox(QWidget* parent, const QString& text, const QString& caption);

// An input box with the prompt, the title and an empty default, OK
// ("确定") and Cancel ("取消"); returns the typed text, or "" on cancel.
QString askTextBox(QWidget* parent, const QString& prompt, const QString& title);

// Replaceable forms of the two boxes, so that a window's modal boxes can be
// answered without a user (tests) while the program shows real ones.
using MessageFunction = std::function<void(const QString& text, const QString& caption)>;
using InputFunction = std::function<QString(const QString& prompt, const QString& title)>;

}  // namespace lp
