#pragma once
// Text1 holds its lines with CR LF between them, as a Windows text box
// does; the Qt text box works with LF. These convert at the boundary.
#include <QString>
#include <string>

namespace lp {

// The core's text as the text box shows it: every CR LF, and every lone CR,
// becomes a line break.
QString textForTextBox(const std::string& coreText);

// The text box's text as the core keeps it: every line break becomes CR LF.
std::string textFromTextBox(const QString& boxText);

}  // namespace lp
