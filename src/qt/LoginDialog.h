#pragma once
// frmLogin: the first window of a run. A matching user name and password
// open the main window; a mismatch says so and lets the user try again as
// often as they like; cancel ends the program.
#include <array>
#include <functional>
#include <QDialog>

#include "Dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lp {

class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(QWidget* parent = nullptr);

    QLabel* lblLabels(int index) const { return lblLabels_.at(static_cast<std::size_t>(index)); }
    QLineEdit* txtUserName() const { return txtUserName_; }
    QLineEdit* txtPassword() const { return txtPassword_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

    // The failure message box; a real one unless replaced.
    MessageFunction showMessage;
    // Ends the program (cancel, Esc, closing the dialog from its frame).
    std::function<void()> endProgram;

    void cmdOK_Click();
    void cmdCancel_Click();

signals:
    // The credentials matched; the dialog has been hidden for good.
    void loggedIn();

protected:
    // Esc and the frame's close box both cancel.
    void reject() override;

private:
    std::array<QLabel*, 2> lblLabels_{};
    QLineEdit* txtUserName_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace lp
