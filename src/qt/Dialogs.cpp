#include "Dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/BoxTexts.h"

namespace lp {

void showMessageBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QString::fromUtf8(kOkText), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

QString askTextBox(QWidget* parent, const QString& prompt, const QString& title) {
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextEchoMode(QLineEdit::Normal);
    box.setTextValue(QString());
    box.setOkButtonText(QString::fromUtf8(kOkText));
    box.setCancelButtonText(QString::fromUtf8(kCancelText));
    if (box.exec() != QDialog::Accepted) return QString();
    return box.textValue();
}

}  // namespace lp
