#include "LoginDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppIcon.h"
#include "FixedDialog.h"
#include "Twips.h"
#include "app/Login.h"

namespace lp {

LoginDialog::LoginDialog(QWidget* parent)
    : QDialog(parent, fixedDialogFlags()) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QString::fromUtf8(kLoginCaption));
    setWindowIcon(appIcon());

    showMessage = [this](const QString& text, const QString& caption) { showMessageBox(this, text, caption); };
    endProgram = [] { QCoreApplication::quit(); };

    const DialogScale& s = kLoginScale;
    lblLabels_[0] = new QLabel(QStringLiteral("用户名称(&U):"), this);
    lblLabels_[0]->setObjectName(QStringLiteral("lblLabels0"));
    lblLabels_[0]->setGeometry(s.rect(105, 150, 1080, 270));

    txtUserName_ = new QLineEdit(this);
    txtUserName_->setObjectName(QStringLiteral("txtUserName"));
    txtUserName_->setGeometry(s.rect(1290, 135, 2325, 345));

    lblLabels_[1] = new QLabel(QStringLiteral("密码(&P):"), this);
    lblLabels_[1]->setObjectName(QStringLiteral("lblLabels1"));
    lblLabels_[1]->setGeometry(s.rect(105, 540, 1080, 270));

    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setGeometry(s.rect(1290, 525, 2325, 345));
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // '*'

    cmdOK_ = new QPushButton(QStringLiteral("确定"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(s.rect(495, 1020, 1140, 390));
    cmdOK_->setDefault(true);

    cmdCancel_ = new QPushButton(QStringLiteral("取消"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(s.rect(2100, 1020, 1140, 390));
    cmdCancel_->setAutoDefault(false);

    // Each label's access key moves to the control that follows it.
    lblLabels_[0]->setBuddy(txtUserName_);
    lblLabels_[1]->setBuddy(txtPassword_);
    setTabOrder(txtUserName_, txtPassword_);
    setTabOrder(txtPassword_, cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);

    setFixedSize(clientSizeHolding(*this, twipsRect(0, 0, 3750, 1545).size()));
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
