// Where the main window's controls stand: the form's layout scaled to fit
// the work area of the window's monitor, Picture1 docked to the left edge,
// the sheet's font, the restored frame, and the device table's room.
#include <cmath>
#include <cstring>

#include "ControlWindows.h"
#include "Fonts.h"
#include "Geometry.h"
#include "MainWindow.h"
#include "MonitorRoom.h"
#include "SheetWindow.h"
#include "app/MainForm.h"

namespace lp::win {

namespace {
// The window's default font, for controls that name none.
constexpr FontSpec kDefaultFont{kSongTi, 9, false};
}  // namespace

ScreenRoom MainWindow::roomIn(PixelSize work, int dpi) { return screenRoom(work, kStyle, kExStyle, dpi); }

void MainWindow::fitToScreen() {
    const int dpi = dpiOf(hwnd());
    monitor_ = ::MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST);
    const PixelRect work = workAreaOf(hwnd());
    const double factor = layoutScale(roomIn({work.width, work.height}, dpi));
    if (dpi != dpi_ || factor != factor_) layout(dpi, factor);
}

void MainWindow::layout(int dpi, double factor) {
    dpi_ = dpi;
    factor_ = factor;
    fonts_.clear();
    for (const ControlSpec& def : mainFormControls()) {
        HFONT font = nullptr;
        if (def.kind != ControlKind::Picture) {
            FontSpec scaledFont = def.font.face ? def.font : kDefaultFont;
            scaledFont.points *= factor;
            font = fonts_.get(scaledFont, dpi, scaledFont);
        }
        placeControl(controlNamed(def.name), scaled(def.place, factor), dpi, font);
    }
    showSheetFont();
    dockPicture1();
}

void MainWindow::showSheetFont() { sheet().setFont(dpi_, sheetFontPixels(factor_, zoom_, dpi_)); }

void MainWindow::setSheetZoom(int percent) {
    zoom_ = percent;
    showSheetFont();
}

void MainWindow::dockPicture1() {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const int width = twipsToPixels(kPicture1Width * factor_, dpi_);
    ::SetWindowPos(picture1_, nullptr, 0, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::show() {
    fitToScreen();
    const PixelRect restored = toPixels(scaled(kMainClient, factor_), dpi_);
    showMaximized(hwnd(), frameSizeFor({restored.width, restored.height}, kStyle, kExStyle, true, dpi_));
    ::UpdateWindow(hwnd());
    controller_.load();  // the first time only
}

DeviceTableRoom MainWindow::deviceTableRoom() const {
    RECT frame;
    ::GetWindowRect(hwnd(), &frame);
    POINT client{0, 0};  // just below the menu bar
    ::ClientToScreen(hwnd(), &client);
    return {workAreaOf(hwnd()),
            {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top},
            client.x + twipsToPixels(rightColumnLeft() * factor_, dpi_),
            client.x + twipsToPixels(mainLayoutExtent().width * factor_, dpi_),
            client.y};
}

}  // namespace lp::win
