// The main window's modal boxes, its picture files and printing: what the
// controller asks of it, answered by the dialogs.
#include <QPrinter>

#include "DeviceTableWindow.h"
#include "Dialogs.h"
#include "MainWindow.h"
#include "PicturePainter.h"

namespace lp {

namespace {
QString qtext(const std::string& utf8) { return QString::fromStdString(utf8); }
}  // namespace

std::string MainWindow::askPicturePath(const std::string& title, const std::string& suggested) {
    return askPictureToSave(this, qtext(title), qtext(suggested)).toStdString();
}

std::string MainWindow::askTracePath(const std::string& title, const std::string& suggested) {
    QWidget* parent = deviceTable_ && deviceTable_->isVisible() ? static_cast<QWidget*>(deviceTable_) : this;
    return askTraceToSave(parent, qtext(title), qtext(suggested)).toStdString();
}

std::string MainWindow::writePicture(const Picture& picture, const std::string& path, PictureFormat format) {
    const QString file = qtext(path);
    if (format == PictureFormat::Png) return writePicturePng(picture, file).toStdString();
    if (format == PictureFormat::Pdf) return writePicturePdf(picture, file).toStdString();
    return "图片的文件名须以 .png、.svg 或 .pdf 结尾";
}

void MainWindow::printPicture(const Picture& picture) {
    showPrintPreview(this, [&picture](QPrinter* device) { paintPicturePages(*device, picture); });
}

}  // namespace lp
