#include "MainWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTimer>

#include "AboutDialog.h"
#include "AppIcon.h"
#include "DeviceTableWindow.h"
#include "DisplayColumns.h"
#include "FontSetup.h"
#include "Placement.h"
#include "SheetView.h"
#include "simulation/SimulationMarks.h"
#include "TextBoxText.h"
#include "Twips.h"
#include "app/ButtonTips.h"
#include "app/Buttons.h"
#include "app/MainForm.h"
#include "app/RunMenu.h"
#include "document/DocumentCommands.h"
#include "statement/Convert.h"
#include "statement/ListCheckCommand.h"

namespace lp {

namespace {

const ControlSpec& def(const char* name) { return *findControl(mainFormControls(), name); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), ui_(this), ladder_(ui_) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setWindowIcon(appIcon());
    endProgram = [] { QCoreApplication::quit(); };
    ladder_.exportDir = defaultExportDir();

    scanTimer_ = new QTimer(this);
    scanTimer_->setObjectName(QStringLiteral("ScanTimer"));
    connect(scanTimer_, &QTimer::timeout, this, [this] {
        if (!simulation_.running()) return;
        simulation_.simulation().scan();
        showSimulation();
    });
    createMenus();
    createControls();
    setTabOrderOfControls();
    // The palette behind a modal box shows what the command has set so far.
    ui_.beforeModal = [this] { mirrorPalette(); };
    mirrorPalette();

    resize(restoredClientSize() + QSize(0, menuBar_->sizeHint().height()));
    placeClientArea();
    centreOnScreen(*this);
}

MainWindow::~MainWindow() = default;

QSize MainWindow::restoredClientSize() { return twipsRect(kMainClient).size(); }

QPushButton* MainWindow::Command(int n) const {
    return Palette::valid(n) ? commands_[static_cast<std::size_t>(n)] : nullptr;
}

QAction* MainWindow::menuAction(MenuCommand command) const {
    for (const auto& [c, action] : menuActions_)
        if (c == command) return action;
    return nullptr;
}

void MainWindow::createMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    for (const MenuSpec& menuSpec : lp::menuBar()) {
        QMenu* menu = menuBar_->addMenu(QString::fromUtf8(menuSpec.caption));
        for (const MenuItemSpec& item : menuSpec.items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setShortcut(QKeySequence(QString::fromStdString(shortcutText(item.shortcut))));
            action->setShortcutContext(Qt::WindowShortcut);
            const MenuCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { runMenuCommand(command); });
            menuActions_.emplace_back(command, action);
        }
    }
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    updateMenus();
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
        running_ = false;
        break;
    case MenuCommand::StartSimulation: startSimulation(); break;
    case MenuCommand::StepSimulation: stepSimulation(); break;
    case MenuCommand::StopSimulation: endSimulation(); break;
    }
    running_ = false;
    showCoreState();
}

bool MainWindow::openDrawingFile(const std::string& path) {
    if (running_ || !loaded_) return false;
    running_ = true;
    const bool opened = openDrawing(ladder_, document_, path);
    running_ = false;
    showCoreState();
    return opened;
}

void MainWindow::updateMenus() {
    // Each item is enabled while its command can act, on Text1 as it stands.
    const std::string text1 = textFromTextBox(text1_ ? text1_->toPlainText() : QString());
    for (const auto& [command, action] : menuActions_) {
        switch (command) {
        case MenuCommand::CheckList:
        case MenuCommand::StartSimulation:
        case MenuCommand::StepSimulation:
        case MenuCommand::StopSimulation: action->setEnabled(runCommandCanAct(command, text1, simulation_)); break;
        case MenuCommand::OpenDrawing:
        case MenuCommand::SaveDrawing:
        case MenuCommand::SaveDrawingAs: action->setEnabled(true); break;
        }
    }
}

void MainWindow::updateCaption() { setWindowTitle(QString::fromStdString(document_.caption(ladder_))); }

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

void MainWindow::startSimulation() {
    if (const auto refusal = simulation_.start(ladder_)) {
        endSimulation();
        running_ = true;
        ladder_.message(*refusal);
        running_ = false;
        return;
    }
    if (!deviceTable_) {
        deviceTable_ = new DeviceTableWindow(this);
        deviceTable_->toggleInput = [this](int device) {
            if (!simulation_.running()) return;
            simulation_.simulation().toggleInput(device);
            showSimulation();
        };
        deviceTable_->playChanged = [this](bool play) {
            if (!simulation_.running()) return;
            simulation_.playing = play;
            if (play)
                scanTimer_->start(simulation_.periodMs);
            else
                scanTimer_->stop();
            showSimulation();
        };
        deviceTable_->periodChanged = [this](int ms) {
            simulation_.periodMs = ms;
            if (scanTimer_->isActive()) scanTimer_->start(ms);
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
    deviceTable_->show();
    showSimulation();
}

void MainWindow::stepSimulation() {
    if (!simulation_.running()) {
        startSimulation();
        if (!simulation_.running()) return;
    }
    scanTimer_->stop();
    simulation_.playing = false;
    simulation_.simulation().step();
    showSimulation();
}

void MainWindow::endSimulation() {
    const bool wasShowing = !picture1_->cellMarks().empty() || (deviceTable_ && deviceTable_->isVisible());
    simulation_.stop();
    scanTimer_->stop();
    if (deviceTable_) deviceTable_->hide();
    text1_->setExtraSelections({});
    if (wasShowing) picture1_->setCellMarks({});
}

// The sheet, the device table and Text1's highlight as the simulation stands.
void MainWindow::showSimulation() {
    Simulation& sim = simulation_.simulation();
    picture1_->setCellMarks(cellMarks(ladder_, sim.cells()));
    if (deviceTable_) deviceTable_->refresh(sim, simulation_.playing);
    QList<QTextEdit::ExtraSelection> highlight;
    if (const std::size_t line = sim.lastStepLine()) {
        const QTextBlock block = text1_->document()->findBlockByNumber(static_cast<int>(line) - 1);
        if (block.isValid()) {
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(block);
            selection.format.setBackground(SheetView::stepColour());
            selection.format.setProperty(QTextFormat::FullWidthSelection, true);
            highlight << selection;
            QTextCursor at(block);
            text1_->setTextCursor(at);
            text1_->ensureCursorVisible();
        }
    }
    text1_->setExtraSelections(highlight);
    updateMenus();
}

void MainWindow::placeDeviceTable() {
    deviceTable_->adjustSize();
    const QRect frame = frameGeometry();
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    const QSize size = deviceTable_->frameGeometry().size();
    int x = frame.right() + 8;
    if (x + size.width() > screen.right()) x = screen.right() - size.width() - 8;
    deviceTable_->move(std::max(screen.left(), x), std::max(screen.top(), frame.top() + 40));
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

void MainWindow::createControls() {
    picture1_ = new SheetView(client_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(twipsRect(def("Picture1").place));

    picture2_ = new QFrame(client_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture2_->setLineWidth(1);
    picture2_->setFocusPolicy(Qt::TabFocus);
    picture2_->setGeometry(twipsRect(def("Picture2").place));

    const ControlSpec& label1 = def("Label1");
    label1_ = new QLabel(QString::fromUtf8(label1.text), picture2_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(label1.place));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(windowFont(label1.font));

    text1_ = new QPlainTextEdit(client_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(def("Text1").place));
    text1_->setFont(windowFont(def("Text1").font));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // An edit of Text1 ends a running simulation, decides what the 运行 menu
    // can do, and moves the caption's mark as the user types.
    connect(text1_, &QPlainTextEdit::textChanged, this, [this] {
        if (settingText1_) return;
        if (simulation_.running()) endSimulation();
        updateMenus();
        if (running_ || !document_.hasFile()) return;
        takeUserEditsOfText1();
        updateCaption();
    });
    connect(picture1_, &SheetView::cellPressed, this, &MainWindow::pressSheet);

    for (int n = 1; n <= kButtonCount; ++n) {
        const ControlSpec& layout = buttonControl(n);
        QWidget* parent = layout.container ? static_cast<QWidget*>(picture2_) : client_;
        auto* button = new QPushButton(QString::fromUtf8(layout.text), parent);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setGeometry(twipsRect(layout.place));
        button->setFont(windowFont(layout.font));
        button->setAutoDefault(false);
        button->setToolTip(QString::fromStdString(buttonTip(ladder_, n)));
        connect(button, &QPushButton::clicked, this, [this, n] { pressCommand(n); });
        commands_[static_cast<std::size_t>(n)] = button;
    }
}

void MainWindow::setTabOrderOfControls() {
    std::vector<QWidget*> order;
    for (const ControlSpec* control : tabOrder(mainFormControls()))
        order.push_back(client_->findChild<QWidget*>(QString::fromLatin1(control->name)));
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
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
    showCoreState();
    if (result == ClickResult::Exit && mayLeave()) showAbout();
}

void MainWindow::mirrorPalette() {
    for (int n = 1; n <= kButtonCount; ++n) {
        QPushButton* button = Command(n);
        button->setEnabled(ladder_.palette.enabled(n));
        button->setVisible(ladder_.palette.visible(n));
    }
}

void MainWindow::takeUserEditsOfText1() {
    const QString now = text1_->toPlainText();
    if (now == shownText1_) return;
    ladder_.Text1 = textFromTextBox(now);
    coreText1_ = ladder_.Text1;
    shownText1_ = now;
}

void MainWindow::showText1IfChanged() {
    if (ladder_.Text1 == coreText1_) return;
    settingText1_ = true;
    text1_->setPlainText(textForTextBox(ladder_.Text1));
    settingText1_ = false;
    coreText1_ = ladder_.Text1;
    shownText1_ = text1_->toPlainText();
}

void MainWindow::repaintSheet() {
    picture1_->showPicture(ladder_.picture);
    QString before;
    for (int col = kFirstCol; col < ladder_.state.CurCol && col <= kLastCol; ++col)
        before += QString::fromStdString(ladder_.sheet.cell(ladder_.state.CurRow, col));
    picture1_->ensureVisible(ladder_.state.CurRow, displayColumns(before));
}

void MainWindow::showAbout() {
    if (!about_) {
        about_ = std::make_unique<AboutDialog>();
        about_->endProgram = [this] { endProgram(); };
    }
    centreOnScreen(*about_);
    about_->show();
    hide();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (loaded_) return;  // later activations leave the sheet alone
    loaded_ = true;
    ladder_.Form_Load();
    ladder_.Form_Activate();
    mirrorPalette();
    showText1IfChanged();
    repaintSheet();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeClientArea();
}

void MainWindow::placeClientArea() {
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    client_->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    // Picture1 is docked to the left edge: full height, its own width.
    picture1_->setGeometry(0, 0, twipsToPixels(kPicture1Width), client_->height());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

}  // namespace lp
