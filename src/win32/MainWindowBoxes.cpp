// The main window's modal boxes, its menus' changing items, its picture
// files and printing: what the controller asks of it.
#include "FileDialogs.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "PicturePainter.h"

namespace lp::win {

void MainWindow::setMenuText(MenuCommand command, const std::string& caption) {
    setMenuCaption(::GetMenu(hwnd()), command, caption);
    ::DrawMenuBar(hwnd());
}

void MainWindow::setRecentDrawings(const std::vector<std::string>& captions) {
    lp::win::setRecentDrawings(::GetMenu(hwnd()), captions);
}

std::string MainWindow::askPicturePath(const std::string& title, const std::string& suggested) {
    return askPictureToSave(hwnd(), title, suggested);
}

std::string MainWindow::askTracePath(const std::string& title, const std::string& suggested) {
    return askTraceToSave(hwnd(), title, suggested);
}

std::string MainWindow::writePicture(const Picture& picture, const std::string& path, PictureFormat format) {
    if (format == PictureFormat::Png) return writePicturePng(picture, path);
    return "图片的文件名须以 .png 或 .svg 结尾";
}

void MainWindow::printPicture(const Picture& picture) { lp::win::printPicture(hwnd(), picture); }

}  // namespace lp::win
