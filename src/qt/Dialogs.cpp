#include "Dialogs.h"

#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QTranslator>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "app/BoxTexts.h"
#include "app/PictureExport.h"
#include "texts/DrawingTexts.h"

namespace lp {

namespace {

// A message box is as wide as its text and buttons; a window manager cuts
// a caption wider than that. Room for the caption, its icon and the frame's
// buttons keeps it whole.
void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(box.windowTitle()) +
                      QFontMetrics(box.font()).height() * 8;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

void showMessageBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QString::fromUtf8(kOkText), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    fitCaption(box);
    box.exec();
}

QString askTextBox(QWidget* parent, const QString& prompt, const QString& title, const QString& text) {
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextEchoMode(QLineEdit::Normal);
    box.setTextValue(text);
    box.setOkButtonText(QString::fromUtf8(kOkText));
    box.setCancelButtonText(QString::fromUtf8(kCancelText));
    if (box.exec() != QDialog::Accepted) return QString();
    return box.textValue();
}

bool askYesNoBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    fitCaption(box);
    box.exec();
    return box.clickedButton() == yes;
}

SaveChoice askSaveChangesBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::Question);
    QPushButton* save = box.addButton(QString::fromUtf8(kAnswerSave), QMessageBox::AcceptRole);
    QPushButton* dontSave = box.addButton(QString::fromUtf8(kAnswerDontSave), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QString::fromUtf8(kAnswerCancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    fitCaption(box);
    box.exec();
    if (box.clickedButton() == save) return SaveChoice::Save;
    if (box.clickedButton() == dontSave) return SaveChoice::DontSave;
    return SaveChoice::Cancel;
}

namespace {

// Qt's own texts of the file dialogs (查找范围, 文件名 …) in Simplified
// Chinese, for as long as a file dialog is open; the rest of the program
// keeps the texts it always had. Without the translation the dialogs stay
// as Qt has them.
class ChineseQtTexts {
public:
    ChineseQtTexts() {
        static QTranslator* translator = [] {
            auto* t = new QTranslator;
            if (!t->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                delete t;
                return static_cast<QTranslator*>(nullptr);
            }
            return t;
        }();
        if (translator && QCoreApplication::installTranslator(translator)) installed_ = translator;
    }
    ~ChineseQtTexts() {
        if (installed_) QCoreApplication::removeTranslator(installed_);
    }
    ChineseQtTexts(const ChineseQtTexts&) = delete;
    ChineseQtTexts& operator=(const ChineseQtTexts&) = delete;

private:
    QTranslator* installed_ = nullptr;
};

QFileDialog* drawingDialog(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(QString::fromUtf8(kDrawingFilter));
    dialog->setDefaultSuffix(QString::fromUtf8(kDrawingSuffix));
    return dialog;
}

QString chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString askDrawingToOpen(QWidget* parent, const QString& title, const QString& folder) {
    const ChineseQtTexts texts;
    std::unique_ptr<QFileDialog> dialog(drawingDialog(parent, title, QFileDialog::AcceptOpen));
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (!folder.isEmpty()) dialog->setDirectory(folder);
    return chosenFile(*dialog);
}

namespace {

QString suffixOf(const QString& filter) { return filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0); }

// A save dialog for the file types of `filters` (UTF-8), the first chosen.
QString askFileToSave(QWidget* parent, const QString& title, const QString& suggested,
                      std::initializer_list<const char*> filters) {
    const ChineseQtTexts texts;
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList names;
    for (const char* filter : filters) names << QString::fromUtf8(filter);
    dialog.setNameFilters(names);
    // A name without a known ending takes that of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.setDefaultSuffix(suffixOf(names.front()));
    if (QFileInfo(suggested).isDir())
        dialog.setDirectory(suggested);
    else if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return chosenFile(dialog);
}

}  // namespace

void showPrintPreview(QWidget* parent, const std::function<void(QPrinter*)>& paint) {
    const ChineseQtTexts texts;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("打印预览"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
    // Large enough to read the page: most of the screen the window is on.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        preview.resize(work.width() * 3 / 4, work.height() * 9 / 10);
    }
    preview.exec();
}

QString askPictureToSave(QWidget* parent, const QString& title, const QString& suggested) {
    return askFileToSave(parent, title, suggested, {kPictureFilterPng, kPictureFilterSvg, kPictureFilterPdf});
}

QString askTraceToSave(QWidget* parent, const QString& title, const QString& suggested) {
    return askFileToSave(parent, title, suggested, {kTraceFilterCsv, kPictureFilterSvg, kPictureFilterPng});
}

QString askDrawingToSave(QWidget* parent, const QString& title, const QString& suggested) {
    const ChineseQtTexts texts;
    std::unique_ptr<QFileDialog> dialog(drawingDialog(parent, title, QFileDialog::AcceptSave));
    dialog->setFileMode(QFileDialog::AnyFile);
    if (QFileInfo(suggested).isDir())
        dialog->setDirectory(suggested);
    else if (!suggested.isEmpty())
        dialog->selectFile(suggested);
    return chosenFile(*dialog);
}

}  // namespace lp
