#include "LoginDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppIcon.h"
#include "FixedDialog.h"
#include "Twips.h"
#include "app/LoginForm.h"

namespace lp {

LoginDialog::LoginDialog(QWidget* parent)
    : QDialog(parent, fixedDialogFlags()) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QString::fromUtf8(kLoginCaption));
    setWindowIcon(appIcon());

    showMessage = [this](const QString& text, const QString& caption) { showMessageBox(this, text, caption); };
    endProgram = [] { QCoreApplication::quit(); };

    const auto def = [](const char* name) { return *findControl(loginControls(), name); };
    const auto text = [&](const char* name) { return QString::fromUtf8(def(name).text); };
    const auto place = [&](const char* name) { return twipsRect(def(name).place); };
    lblLabels_[0] = new QLabel(text("lblLabels0"), this);
    lblLabels_[0]->setObjectName(QStringLiteral("lblLabels0"));
    lblLabels_[0]->setGeometry(place("lblLabels0"));

    txtUserName_ = new QLineEdit(this);
    txtUserName_->setObjectName(QStringLiteral("txtUserName"));
    txtUserName_->setGeometry(place("txtUserName"));

    lblLabels_[1] = new QLabel(text("lblLabels1"), this);
    lblLabels_[1]->setObjectName(QStringLiteral("lblLabels1"));
    lblLabels_[1]->setGeometry(place("lblLabels1"));

    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setGeometry(place("txtPassword"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // '*'

    cmdOK_ = new QPushButton(text("cmdOK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(place("cmdOK"));
    cmdOK_->setDefault(true);

    cmdCancel_ = new QPushButton(text("cmdCancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(place("cmdCancel"));
    cmdCancel_->setAutoDefault(false);

    // Each label's access key moves to the control that follows it.
    lblLabels_[0]->setBuddy(txtUserName_);
    lblLabels_[1]->setBuddy(txtPassword_);
    setTabOrder(txtUserName_, txtPassword_);
    setTabOrder(txtPassword_, cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);

    setFixedSize(clientSizeHolding(*this, twipsRect(kLoginClient).size()));
    makeFixedDialog(*this);
    txtUserName_->setFocus();

    connect(cmdOK_, &QPushButton::clicked, this, &LoginDialog::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &LoginDialog::cmdCancel_Click);
}

void LoginDialog::cmdOK_Click() {
    const QString userName = txtUserName_->text();
    const QString password = txtPassword_->text();
    if (credentialsMatch(userName.toStdString(), password.toStdString())) {
        emit loggedIn();
        hide();
        return;
    }
    showMessage(QString::fromUtf8(kLoginFailedText), QString::fromUtf8(kLoginCaption));
    txtPassword_->setFocus();
    txtPassword_->setText(QString());
}

void LoginDialog::cmdCancel_Click() {
    hide();
    endProgram();
}

void LoginDialog::reject() { cmdCancel_Click(); }

}  // namespace lp
