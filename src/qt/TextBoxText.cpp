#include "TextBoxText.h"

namespace lp {

QString textForTextBox(const std::string& coreText) {
    QString text = QString::fromStdString(coreText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string textFromTextBox(const QString& boxText) {
    QString text = boxText;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace lp
