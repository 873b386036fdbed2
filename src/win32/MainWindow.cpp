#include "MainWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <windowsx.h>

#include "AboutWindow.h"
#include "ControlWindows.h"
#include "DeviceTableWindow.h"
#include "Fonts.h"
#include "Geometry.h"
#include "MenuBar.h"
#include "ModalLoop.h"
#include "PaletteWindow.h"
#include "SheetWindow.h"
#include "Tooltips.h"
#include "WideText.h"
#include "app/Buttons.h"
#include "app/MainForm.h"

namespace lp::win {

namespace {
constexpr int kPicture1Id = 200;
constexpr int kPicture2Id = 201;
constexpr int kLabel1Id = 202;
constexpr int kText1Id = 203;
constexpr int kFirstButtonId = 100;  // CommandN has kFirstButtonId + N
constexpr int kButtonCount = 22;
constexpr UINT_PTR kScanTimerId = 1;

int commandNumber(const char* name) { return std::atoi(name + std::strlen("Command")); }
}  // namespace

MainWindow::MainWindow() {
    onEndProgram = [] { lp::win::endProgram(); };
    // The export goes to its default folder, D: itself.
    create(kClassName, COLOR_BTNFACE, kExStyle, wide(kProgramTitle).c_str(), kStyle, nullptr, createMenuBar());
    setProgramIcons(hwnd());
    accelerators_ = createAccelerators();
    ui_.owner = hwnd();
    answerBoxesWith(ui_);
    createControls();
    sheet().cellPressed = [this](int line, int column) { controller_.sheetPressed(line, column); };
    sheet().cellDoubleClicked = [this](int line, int column) { controller_.sheetDoubleClicked(line, column); };
    sheet().zoomTurned = [this](int notches) { controller_.zoomByWheel(notches); };
    fitToScreen();
    controller_.showAll();
    controller_.useUsersRecentDrawings();
    controller_.useUsersViewSettings();
    tooltips_ = addButtonTooltips(hwnd(), commands_, [this](int n) { return controller_.buttonTip(n); });
}

MainWindow::~MainWindow() {
    about_.reset();
    deviceTable_.reset();
    if (accelerators_) ::DestroyAcceleratorTable(accelerators_);
}

HWND MainWindow::Picture2() const { return picture2_ ? picture2_->hwnd() : nullptr; }

HWND MainWindow::Command(int n) const { return n >= 1 && n <= kButtonCount ? commands_[static_cast<std::size_t>(n)] : nullptr; }

SheetWindow& MainWindow::sheet() const { return *SheetWindow::of(picture1_); }

HWND MainWindow::controlNamed(const char* name) const {
    if (std::strcmp(name, "Picture1") == 0) return picture1_;
    if (std::strcmp(name, "Picture2") == 0) return Picture2();
    if (std::strcmp(name, "Label1") == 0) return label1_;
    if (std::strcmp(name, "Text1") == 0) return text1_;
    return Command(commandNumber(name));
}

void MainWindow::createControls() {
    // Made in tab order, so that each window's children follow it too.
    for (const ControlSpec& def : mainFormControls()) {
        if (std::strcmp(def.name, "Picture1") == 0) {
            picture1_ = ::CreateWindowExW(0, SheetWindow::className(), L"", WS_CHILD | WS_VISIBLE | WS_BORDER |
                                          WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, 0, 0, 0, 0, hwnd(),
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPicture1Id)),
                                          ::GetModuleHandleW(nullptr), nullptr);
        } else if (std::strcmp(def.name, "Picture2") == 0) {
            picture2_ = std::make_unique<PaletteWindow>(hwnd(), kPicture2Id);
        }
    }
    for (const ControlSpec& def : mainFormControls()) {
        HWND parent = def.container ? Picture2() : hwnd();
        if (std::strcmp(def.name, "Label1") == 0) {
            label1_ = createControl(parent, def, kLabel1Id);
        } else if (std::strcmp(def.name, "Text1") == 0) {
            text1_ = createControl(parent, def, kText1Id);
        } else if (def.kind == ControlKind::Button) {
            const int n = commandNumber(def.name);
            commands_[static_cast<std::size_t>(n)] = createControl(parent, def, kFirstButtonId + n);
        }
    }
}

void MainWindow::showSheet(const std::vector<std::string>& lines, int cursorRow, int cursorColumn) {
    sheet().showPicture(lines);
    sheet().ensureVisible(cursorRow, cursorColumn);
}

void MainWindow::showMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines) {
    sheet().setMarks(marks, changedLines);
}

void MainWindow::setButton(int n, bool enabled, bool visible) {
    HWND button = Command(n);
    ::EnableWindow(button, enabled ? TRUE : FALSE);
    ::ShowWindow(button, visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::setText1(const std::string& text) {
    settingText1_ = true;
    setWindowText(text1_, text);  // the edit box's lines end in CR LF, as the core's do
    settingText1_ = false;
}

void MainWindow::selectText1Line(std::size_t line) {
    if (line == 0) {
        ::SendMessageW(text1_, EM_SETSEL, 0, 0);
        return;
    }
    const auto first = ::SendMessageW(text1_, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
    if (first < 0) return;
    const auto length = ::SendMessageW(text1_, EM_LINELENGTH, static_cast<WPARAM>(first), 0);
    ::SendMessageW(text1_, EM_SETSEL, static_cast<WPARAM>(first), static_cast<LPARAM>(first + length));
    ::SendMessageW(text1_, EM_SCROLLCARET, 0, 0);
}

void MainWindow::setCaption(const std::string& caption) { setWindowText(hwnd(), caption); }

void MainWindow::setMenuEnabled(MenuCommand command, bool enabled) {
    ::EnableMenuItem(::GetMenu(hwnd()), static_cast<UINT>(menuId(command)),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    ::DrawMenuBar(hwnd());
}

void MainWindow::showDeviceTable(const DeviceTableModel& table, bool opened) {
    if (!deviceTable_) {
        deviceTable_ = std::make_unique<DeviceTableWindow>(hwnd(), controller_);
    }
    if (!opened) {
        deviceTable_->refresh(table);
        return;
    }
    deviceTable_->showDevices(table);
    deviceTable_->placeIn(deviceTableRoom(), controller_.movedDeviceTable());
    ::ShowWindow(deviceTable_->hwnd(), SW_SHOWNOACTIVATE);
}

void MainWindow::hideDeviceTable() {
    if (deviceTable_) ::ShowWindow(deviceTable_->hwnd(), SW_HIDE);
}

void MainWindow::startTimer(int ms) { ::SetTimer(hwnd(), kScanTimerId, static_cast<UINT>(ms), nullptr); }

void MainWindow::stopTimer() { ::KillTimer(hwnd(), kScanTimerId); }

void MainWindow::showAbout() {
    if (!about_) {
        about_ = std::make_unique<AboutWindow>();
        about_->endProgram = [this] { onEndProgram(); };
    }
    about_->show();
    ::ShowWindow(hwnd(), SW_HIDE);
}

void MainWindow::endProgram() {
    ::ShowWindow(hwnd(), SW_HIDE);
    onEndProgram();
}

void MainWindow::moveFocus(bool backwards) {
    std::vector<HWND> stops;
    for (const ControlSpec* def : tabOrder(mainFormControls())) stops.push_back(controlNamed(def->name));
    const auto at = std::find(stops.begin(), stops.end(), ::GetFocus());
    const int count = static_cast<int>(stops.size());
    int index = at == stops.end() ? (backwards ? 0 : count - 1) : static_cast<int>(at - stops.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        HWND next = stops[static_cast<std::size_t>(index)];
        if (::IsWindowVisible(next) && ::IsWindowEnabled(next)) {
            ::SetFocus(next);
            if (next == text1_) ::SendMessageW(text1_, EM_SETSEL, 0, -1);
            return;
        }
    }
}

bool MainWindow::preTranslate(MSG& message) {
    // The wheel turns the sheet under the mouse, wherever the focus is.
    if (message.message == WM_MOUSEWHEEL) {
        const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        if (::WindowFromPoint(at) == picture1_) message.hwnd = picture1_;
        return false;
    }
    // In Text1, Ctrl+Z and Ctrl+Y are the edit box's own, for its typing.
    const bool textKeys = message.message == WM_KEYDOWN && ::GetFocus() == text1_ &&
                          (message.wParam == 'Z' || message.wParam == 'Y') && (::GetKeyState(VK_CONTROL) & 0x8000);
    if (!textKeys && accelerators_ && ::TranslateAcceleratorW(hwnd(), accelerators_, &message)) return true;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !(::GetKeyState(VK_CONTROL) & 0x8000)) {
        moveFocus((::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    }
    return false;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && id > kFirstButtonId && id <= kFirstButtonId + kButtonCount &&
            reinterpret_cast<HWND>(lParam) == Command(id - kFirstButtonId)) {
            controller_.click(id - kFirstButtonId);
            return 0;
        }
        if (id == kText1Id && HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == text1_) {
            if (!settingText1_) controller_.text1Edited(utf8(windowText(text1_)));
            return 0;
        }
        if (HIWORD(wParam) == 0 && id >= kFirstRecentId && id < kFirstRecentId + kRecentCount) {
            controller_.openRecent(static_cast<std::size_t>(id - kFirstRecentId));
            return 0;
        }
        MenuCommand command;
        if (HIWORD(wParam) <= 1 && menuCommandOf(id, command)) {
            controller_.menuCommand(command);
            return 0;
        }
        break;
    }
    case WM_SIZE:
        dockPicture1();
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        fitToScreen();
        return 0;
    }
    case WM_DISPLAYCHANGE:
        fitToScreen();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) fitToScreen();
        break;
    case WM_WINDOWPOSCHANGED:
        // Moved to another monitor, perhaps of another size.
        if (::MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST) != monitor_) fitToScreen();
        break;
    case WM_TIMER:
        if (wParam == kScanTimerId) controller_.timerTick();
        return 0;
    case WM_CLOSE:
        controller_.closeRequested();
        return 0;
    default:
        break;
    }
    return byDefault(message, wParam, lParam);
}

}  // namespace lp::win
