#pragma once
// The core's way to the user, in the main window: the name prompt as an
// input box, messages as message boxes, the question before leaving and the
// file dialogs of drawings.
#include <functional>
#include <string>

#include "Dialogs.h"
#include "app/UserInterface.h"

class QWidget;

namespace lp {

class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr);

    std::string inputBox(const std::string& prompt, const std::string& title) override;
    std::string inputBoxWithText(const std::string& prompt, const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) override;
    std::string askOpenPath(const std::string& title, const std::string& folder) override;
    std::string askSavePath(const std::string& title, const std::string& suggested) override;

    // The boxes themselves; real dialogs unless replaced.
    InputFunction askText;
    YesNoFunction askYes;
    MessageFunction showMessage;
    SaveChoiceFunction askSave;
    PathFunction askOpenFile;
    PathFunction askSaveFile;

private:
    QWidget* parent_;
};

}  // namespace lp
