#include "QtUserInterface.h"

#include <QString>

namespace lp {

QtUserInterface::QtUserInterface(QWidget* parent) : parent_(parent) {
    askText = [this](const QString& prompt, const QString& title, const QString& text) {
        return askTextBox(parent_, prompt, title, text);
    };
    askYes = [this](const QString& text, const QString& caption) { return askYesNoBox(parent_, text, caption); };
    showMessage = [this](const QString& text, const QString& caption) { showMessageBox(parent_, text, caption); };
    askSave = [this](const QString& text, const QString& caption) { return askSaveChangesBox(parent_, text, caption); };
    askOpenFile = [this](const QString& title, const QString& folder) { return askDrawingToOpen(parent_, title, folder); };
    askSaveFile = [this](const QString& title, const QString& suggested) {
        return askDrawingToSave(parent_, title, suggested);
    };
}

std::string QtUserInterface::inputBox(const std::string& prompt, const std::string& title) {
    return inputBoxWithText(prompt, title, {});
}

std::string QtUserInterface::inputBoxWithText(const std::string& prompt, const std::string& title, const std::string& text) {
    const QString reply = askText(QString::fromStdString(prompt), QString::fromStdString(title), QString::fromStdString(text));
    return reply.toStdString();
}

bool QtUserInterface::askYesNo(const std::string& text, const std::string& caption) {
    return askYes(QString::fromStdString(text), QString::fromStdString(caption));
}

void QtUserInterface::messageBox(const std::string& text, const std::string& caption) {
    showMessage(QString::fromStdString(text), QString::fromStdString(caption));
}

UserInterface::SaveAnswer QtUserInterface::askSaveChanges(const std::string& text, const std::string& caption) {
    switch (askSave(QString::fromStdString(text), QString::fromStdString(caption))) {
    case SaveChoice::Save: return SaveAnswer::Save;
    case SaveChoice::DontSave: return SaveAnswer::DontSave;
    case SaveChoice::Cancel: return SaveAnswer::Cancel;
    }
    return SaveAnswer::Cancel;
}

std::string QtUserInterface::askOpenPath(const std::string& title, const std::string& folder) {
    return askOpenFile(QString::fromStdString(title), QString::fromStdString(folder)).toStdString();
}

std::string QtUserInterface::askSavePath(const std::string& title, const std::string& suggested) {
    return askSaveFile(QString::fromStdString(title), QString::fromStdString(suggested)).toStdString();
}

}  // namespace lp
