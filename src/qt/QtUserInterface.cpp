#include "QtUserInterface.h"

#include <QString>

namespace lp {

QtUserInterface::QtUserInterface(QWidget* parent) : parent_(parent) {
    askText = [this](const QString& prompt, const QString& title) { return askTextBox(parent_, prompt, title); };
    showMessage = [this](const QString& text, const QString& caption) { showMessageBox(parent_, text, caption); };
}

std::string QtUserInterface::inputBox(const std::string& prompt, const std::string& title) {
    if (beforeModal) beforeModal();
    const QString reply = askText(QString::fromStdString(prompt), QString::fromStdString(title));
    return reply.toStdString();
}

void QtUserInterface::messageBox(const std::string& text, const std::string& caption) {
    if (beforeModal) beforeModal();
    showMessage(QString::fromStdString(text), QString::fromStdString(caption));
}

}  // namespace lp
