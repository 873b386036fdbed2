#include "MainWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "AboutWindow.h"
#include "DeviceTableWindow.h"
#include "ControlWindows.h"
#include "Fonts.h"
#include "Geometry.h"
#include "MenuBar.h"
#include "ModalLoop.h"
#include "PaletteWindow.h"
#include "SheetWindow.h"
#include "WideText.h"
#include "app/Buttons.h"
#include "app/MainForm.h"
#include "app/RunMenu.h"
#include "document/DocumentCommands.h"
#include "texts/DisplayColumns.h"
#include "simulation/SimulationMarks.h"
#include "statement/Convert.h"
#include "statement/ListCheckCommand.h"

namespace lp::win {

namespace {
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr int kPicture1Id = 200;
constexpr int kPicture2Id = 201;
constexpr int kLabel1Id = 202;
constexpr int kText1Id = 203;
constexpr int kFirstButtonId = 100;  // CommandN has kFirstButtonId + N
constexpr UINT_PTR kScanTimerId = 1;

// The window's default font, for controls that name none.
constexpr FontSpec kDefaultFont{kSongTi, 9, false};
}  // namespace

MainWindow::MainWindow() : ladder_(ui_) {
    endProgram = [] { lp::win::endProgram(); };
    // exportDir stays empty: the export goes to its default folder, D: itself.
    create(kClassName, COLOR_BTNFACE, kExStyle, wide(kProgramTitle).c_str(), kStyle, nullptr, createMenuBar());
    setProgramIcons(hwnd());
    accelerators_ = createAccelerators();
    ui_.owner = hwnd();
    // The palette behind a modal box shows what the command has set so far.
    ui_.beforeModal = [this] { mirrorPalette(); };
    createControls();
    sheet().cellPressed = [this](int line, int column) { pressSheet(line, column); };
    layout(dpiOf(hwnd()));
    mirrorPalette();
    updateMenus();
}

MainWindow::~MainWindow() {
    about_.reset();
    deviceTable_.reset();
    if (accelerators_) ::DestroyAcceleratorTable(accelerators_);
}

HWND MainWindow::Picture2() const { return picture2_ ? picture2_->hwnd() : nullptr; }

HWND MainWindow::Command(int n) const { return Palette::valid(n) ? commands_[static_cast<std::size_t>(n)] : nullptr; }

SheetWindow& MainWindow::sheet() const { return *SheetWindow::of(picture1_); }

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
            const int n = std::atoi(def.name + std::strlen("Command"));
            commands_[static_cast<std::size_t>(n)] = createControl(parent, def, kFirstButtonId + n);
        }
    }
}

void MainWindow::layout(int dpi) {
    fonts_.clear();
    for (const ControlSpec& def : mainFormControls()) {
        HWND control = nullptr;
        if (std::strcmp(def.name, "Picture1") == 0) control = picture1_;
        else if (std::strcmp(def.name, "Picture2") == 0) control = Picture2();
        else if (std::strcmp(def.name, "Label1") == 0) control = label1_;
        else if (std::strcmp(def.name, "Text1") == 0) control = text1_;
        else control = Command(std::atoi(def.name + std::strlen("Command")));
        const bool picture = def.kind == ControlKind::Picture;
        placeControl(control, def, dpi, picture ? nullptr : fonts_.get(def.font, dpi, kDefaultFont));
    }
    sheet().setDpi(dpi);
    dockPicture1();
}

void MainWindow::dockPicture1() {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const int width = twipsToPixels(kPicture1Width, dpiOf(hwnd()));
    ::SetWindowPos(picture1_, nullptr, 0, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::show() {
    const int dpi = dpiOf(hwnd());
    const PixelRect restored = toPixels(kMainClient, dpi);
    const SIZE frame = frameSizeFor({restored.width, restored.height}, kStyle, kExStyle, true, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.showCmd = SW_SHOWMAXIMIZED;
    placement.rcNormalPosition.left = area.left + (area.right - area.left - frame.cx) / 2;
    placement.rcNormalPosition.top = area.top + (area.bottom - area.top - frame.cy) / 2;
    placement.rcNormalPosition.right = placement.rcNormalPosition.left + frame.cx;
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + frame.cy;
    ::SetWindowPlacement(hwnd(), &placement);
    ::UpdateWindow(hwnd());
    if (loaded_) return;  // later activations leave the sheet alone
    loaded_ = true;
    ladder_.Form_Load();
    ladder_.Form_Activate();
    mirrorPalette();
    showText1IfChanged();
    repaintSheet();
}

void MainWindow::pressCommand(int n) {
    if (running_) return;  // a command's modal box is open
    running_ = true;
    takeUserEditsOfText1();
    // A button that acts ends a running simulation first.
    const bool simulating = simulation_.running();
    const ClickResult result = pressButton(ladder_, simulation_, n);
    if (simulating && !simulation_.running()) endSimulation();
    running_ = false;
    if (!hwnd()) return;
    showCoreState();
    if (result == ClickResult::Exit && mayLeave()) showAbout();
}

void MainWindow::runMenuCommand(MenuCommand command) {
    if (running_ || !loaded_) return;  // a command's modal box is open, or the sheet is not there yet
    takeUserEditsOfText1();
    const bool fileCommand = command == MenuCommand::OpenDrawing || command == MenuCommand::SaveDrawing ||
                             command == MenuCommand::SaveDrawingAs;
    if (!fileCommand && !runCommandCanAct(command, ladder_, simulation_)) return;
    switch (command) {
    case MenuCommand::OpenDrawing:
        // The picture never shows a simulation of another drawing.
        endSimulation();
        running_ = true;
        openDrawingAsked(ladder_, document_);
        break;
    case MenuCommand::SaveDrawing:
        running_ = true;
        saveDrawing(ladder_, document_);
        break;
    case MenuCommand::SaveDrawingAs:
        running_ = true;
        saveDrawingAs(ladder_, document_);
        break;
    case MenuCommand::CheckList:
        running_ = true;
        checkListCommand(ladder_);
        break;
    case MenuCommand::StartSimulation: startSimulation(); break;
    case MenuCommand::StepSimulation: stepSimulation(); break;
    case MenuCommand::StopSimulation: endSimulation(); break;
    }
    running_ = false;
    if (!hwnd()) return;
    showCoreState();
}

bool MainWindow::openDrawingFile(const std::string& path) {
    if (running_ || !loaded_) return false;
    endSimulation();
    running_ = true;
    const bool opened = openDrawing(ladder_, document_, path);
    running_ = false;
    showCoreState();
    return opened;
}

void MainWindow::updateMenus() {
    // Each item is enabled while its command can act, on Text1 as it stands.
    const std::string text1 = text1_ ? utf8(windowText(text1_)) : std::string();
    HMENU bar = ::GetMenu(hwnd());
    for (const MenuSpec& menuSpec : menuBar()) {
        for (const MenuItemSpec& item : menuSpec.items) {
            bool enabled = true;
            switch (item.command) {
            case MenuCommand::CheckList:
            case MenuCommand::StartSimulation:
            case MenuCommand::StepSimulation:
            case MenuCommand::StopSimulation: enabled = runCommandCanAct(item.command, text1, simulation_); break;
            case MenuCommand::OpenDrawing:
            case MenuCommand::SaveDrawing:
            case MenuCommand::SaveDrawingAs: break;
            }
            ::EnableMenuItem(bar, static_cast<UINT>(menuId(item.command)),
                             MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        }
    }
    ::DrawMenuBar(hwnd());
}

void MainWindow::updateCaption() { setWindowText(hwnd(), document_.caption(ladder_)); }

// The palette, Text1, the sheet, the menus and the caption as the core has them.
void MainWindow::showCoreState() {
    mirrorPalette();
    showText1IfChanged();
    repaintSheet();
    updateMenus();
    updateCaption();
}

// With changes not yet saved, asks whether to save them first.
bool MainWindow::mayLeave() {
    if (running_) return false;
    running_ = true;
    takeUserEditsOfText1();
    const bool leave = lp::mayLeave(ladder_, document_);
    running_ = false;
    showCoreState();
    return leave;
}

// An edit of Text1 ends a running simulation, decides what the 运行 menu can
// do, and moves the caption's mark as the user types.
void MainWindow::text1Changed() {
    if (settingText1_) return;
    if (simulation_.running()) endSimulation();
    updateMenus();
    if (running_ || !document_.hasFile()) return;
    takeUserEditsOfText1();
    updateCaption();
}

void MainWindow::startSimulation() {
    if (const auto refusal = simulation_.start(ladder_)) {
        endSimulation();
        running_ = true;
        ladder_.message(*refusal);
        running_ = false;
        return;
    }
    if (!deviceTable_) {
        deviceTable_ = std::make_unique<DeviceTableWindow>(hwnd());
        deviceTable_->toggleInput = [this](int device) {
            if (!simulation_.running()) return;
            simulation_.simulation().toggleInput(device);
            showSimulation();
        };
        deviceTable_->playChanged = [this](bool play) {
            if (!simulation_.running()) return;
            simulation_.playing = play;
            if (play) ::SetTimer(hwnd(), kScanTimerId, static_cast<UINT>(simulation_.periodMs), nullptr);
            else ::KillTimer(hwnd(), kScanTimerId);
            scanTimer_ = play;
            showSimulation();
        };
        deviceTable_->periodChanged = [this](int ms) {
            simulation_.periodMs = ms;
            if (scanTimer_) ::SetTimer(hwnd(), kScanTimerId, static_cast<UINT>(ms), nullptr);
        };
        deviceTable_->scanOnce = [this] {
            if (!simulation_.running()) return;
            simulation_.simulation().scan();
            showSimulation();
        };
        deviceTable_->stepOnce = [this] { stepSimulation(); };
        deviceTable_->reset = [this] {
            if (!simulation_.running()) return;
            simulation_.simulation().reset();
            showSimulation();
        };
        deviceTable_->stop = [this] {
            endSimulation();
            updateMenus();
        };
    }
    deviceTable_->showDevices(simulation_.simulation(), simulation_.periodMs);
    placeDeviceTable();
    ::ShowWindow(deviceTable_->hwnd(), SW_SHOWNOACTIVATE);
    showSimulation();
}

void MainWindow::stepSimulation() {
    if (!simulation_.running()) {
        startSimulation();
        if (!simulation_.running()) return;
    }
    ::KillTimer(hwnd(), kScanTimerId);
    scanTimer_ = false;
    simulation_.playing = false;
    simulation_.simulation().step();
    showSimulation();
}

void MainWindow::endSimulation() {
    const bool wasRunning = simulation_.running();
    simulation_.stop();
    simulation_.playing = false;
    ::KillTimer(hwnd(), kScanTimerId);
    scanTimer_ = false;
    if (deviceTable_) ::ShowWindow(deviceTable_->hwnd(), SW_HIDE);
    sheet().setCellMarks({});
    if (wasRunning) ::SendMessageW(text1_, EM_SETSEL, 0, 0);
}

// The sheet, the device table and Text1's selected line as the simulation stands.
void MainWindow::showSimulation() {
    Simulation& sim = simulation_.simulation();
    sheet().setCellMarks(cellMarks(ladder_, sim.cells()));
    if (deviceTable_) deviceTable_->refresh(sim, simulation_.playing);
    if (const std::size_t line = sim.lastStepLine()) {
        const auto first = ::SendMessageW(text1_, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
        if (first >= 0) {
            const auto length = ::SendMessageW(text1_, EM_LINELENGTH, static_cast<WPARAM>(first), 0);
            ::SendMessageW(text1_, EM_SETSEL, static_cast<WPARAM>(first), static_cast<LPARAM>(first + length));
            ::SendMessageW(text1_, EM_SCROLLCARET, 0, 0);
        }
    }
    updateMenus();
}

// Beside the main window on its right, inside the screen's work area.
void MainWindow::placeDeviceTable() {
    RECT frame, table;
    ::GetWindowRect(hwnd(), &frame);
    ::GetWindowRect(deviceTable_->hwnd(), &table);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = table.right - table.left;
    int x = frame.right + 8;
    if (x + width > area.right) x = area.right - width - 8;
    const int y = std::max<int>(area.top, frame.top + 40);
    ::SetWindowPos(deviceTable_->hwnd(), HWND_TOP, std::max<int>(area.left, x), y, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE);
}

// A press on the sheet: an input's contact switches its device.
void MainWindow::pressSheet(int line, int column) {
    if (!simulation_.running()) return;
    const int row = line + 1;
    const int col = cellAtDisplayColumn(ladder_, row, column);
    if (col < 0) return;
    Simulation& sim = simulation_.simulation();
    if (!sim.toggleInput(sim.contactDeviceAt(row, col))) return;
    showSimulation();
}

void MainWindow::mirrorPalette() {
    for (int n = 1; n <= kButtonCount; ++n) {
        HWND button = Command(n);
        ::EnableWindow(button, ladder_.palette.enabled(n) ? TRUE : FALSE);
        ::ShowWindow(button, ladder_.palette.visible(n) ? SW_SHOWNA : SW_HIDE);
    }
}

void MainWindow::takeUserEditsOfText1() {
    const std::wstring now = windowText(text1_);
    if (now == shownText1_) return;
    ladder_.Text1 = utf8(now);
    coreText1_ = ladder_.Text1;
    shownText1_ = now;
}

void MainWindow::showText1IfChanged() {
    if (ladder_.Text1 == coreText1_) return;
    settingText1_ = true;
    setWindowText(text1_, ladder_.Text1);  // the edit box's lines end in CR LF, as the core's do
    settingText1_ = false;
    coreText1_ = ladder_.Text1;
    shownText1_ = windowText(text1_);
}

void MainWindow::repaintSheet() {
    sheet().showPicture(ladder_.picture);
    std::string before;
    for (int col = kFirstCol; col < ladder_.state.CurCol && col <= kLastCol; ++col)
        before += ladder_.sheet.cell(ladder_.state.CurRow, col);
    sheet().ensureVisible(ladder_.state.CurRow, displayColumns(before));
}

void MainWindow::showAbout() {
    if (!about_) {
        about_ = std::make_unique<AboutWindow>();
        about_->endProgram = [this] { endProgram(); };
    }
    about_->show();
    endSimulation();
    ::ShowWindow(hwnd(), SW_HIDE);
}

void MainWindow::moveFocus(bool backwards) {
    const auto order = tabOrder(mainFormControls());
    std::vector<HWND> stops;
    for (const ControlSpec* def : order) {
        if (std::strcmp(def->name, "Picture1") == 0) stops.push_back(picture1_);
        else if (std::strcmp(def->name, "Picture2") == 0) stops.push_back(Picture2());
        else if (std::strcmp(def->name, "Text1") == 0) stops.push_back(text1_);
        else stops.push_back(Command(std::atoi(def->name + std::strlen("Command"))));
    }
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
    if (accelerators_ && ::TranslateAcceleratorW(hwnd(), accelerators_, &message)) return true;
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
            pressCommand(id - kFirstButtonId);
            return 0;
        }
        if (id == kText1Id && HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == text1_) {
            text1Changed();
            return 0;
        }
        MenuCommand command;
        if (HIWORD(wParam) <= 1 && menuCommandOf(id, command)) {
            runMenuCommand(command);
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
        layout(HIWORD(wParam));
        return 0;
    }
    case WM_TIMER:
        if (wParam == kScanTimerId && simulation_.running()) {
            simulation_.simulation().scan();
            showSimulation();
        }
        return 0;
    case WM_CLOSE:
        if (!mayLeave()) return 0;
        endSimulation();
        ::ShowWindow(hwnd(), SW_HIDE);
        endProgram();
        return 0;
    default:
        break;
    }
    return byDefault(message, wParam, lParam);
}

}  // namespace lp::win
