// The main window on its screen: every control at its place in twips times
// the layout scale that lets the whole layout fit the screen's work area,
// the sheet's font at that scale and the user's zoom, and the device table
// beside the window or over the right part of the sheet.
#include <cmath>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "DeviceTableWindow.h"
#include "FontSetup.h"
#include "MainWindow.h"
#include "Placement.h"
#include "SheetView.h"
#include "Twips.h"
#include "app/LayoutScale.h"
#include "app/MainForm.h"
#include "app/SheetZoom.h"
#include "app/WindowPlacement.h"

namespace lp {

namespace {

// The title bar and borders of a window the window manager has not framed
// yet, in pixels.
constexpr QSize kUnframedGuess(0, 32);

QScreen* screenOf(const QWidget& window) {
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

PixelRect pixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

QSize MainWindow::restoredClientSize(double factor) { return twipsRect(scaled(kMainClient, factor)).size(); }

void MainWindow::fitToScreen() {
    const QScreen* screen = screenOf(*this);
    if (!screen) return;
    const QRect work = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize edges = frame.isEmpty() ? kUnframedGuess : frame;
    const double factor = layoutScale({work.width(), work.height(), kStandardDpi, edges.width(), edges.height(),
                                       menuBar_->sizeHint().height()});
    const double ratio = devicePixelRatioF();
    if (factor == factor_ && ratio == ratio_ && laidOut_) return;
    factor_ = factor;
    ratio_ = ratio;
    laidOut_ = true;
    applyLayout();
}

void MainWindow::applyLayout() {
    for (const ControlSpec& def : mainFormControls()) {
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(def.name));
        if (!control) continue;
        control->setGeometry(twipsRect(scaled(def.place, factor_)));
        if (def.kind != ControlKind::Picture) {
            QFont font = windowFont(def.font);
            font.setPointSizeF(def.font.points * factor_);
            control->setFont(font);
        }
    }
    setSheetZoom(controller_.zoom());
    placeClientArea();
}

void MainWindow::placeClientArea() {
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    client_->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    // Picture1 is docked to the left edge: full height, its own width.
    picture1_->setGeometry(0, 0, twipsToPixels(kPicture1Width * factor_), client_->height());
}

// In whole device pixels, so that the grid stays on them when the screen
// scales the window.
void MainWindow::setSheetZoom(int percent) {
    const double ratio = devicePixelRatioF();
    picture1_->setFontPixels(sheetFontPixels(factor_, percent, static_cast<int>(std::lround(kStandardDpi * ratio))) / ratio);
}

void MainWindow::placeDeviceTable() {
    deviceTable_->adjustSize();
    const QScreen* screen = screenOf(*this);
    const PixelRect work = pixelRect(screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080));
    const QPoint client = client_->mapToGlobal(QPoint(0, 0));
    const DeviceTableRoom room{work, pixelRect(frameGeometry()), client.x() + twipsToPixels(rightColumnLeft() * factor_),
                               client.x() + twipsToPixels(mainLayoutExtent().width * factor_), client.y()};
    const QSize size = deviceTable_->frameGeometry().size();
    const PixelRect place = deviceTablePlace(room, {size.width(), size.height()}, controller_.movedDeviceTable());
    deviceTable_->placeAt(QPoint(place.left, place.top));
}

}  // namespace lp
