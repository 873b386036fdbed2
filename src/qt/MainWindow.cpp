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
#include <QWindow>

#include "AboutDialog.h"
#include "AppIcon.h"
#include "DeviceTableWindow.h"
#include "FontSetup.h"
#include "Placement.h"
#include "SheetView.h"
#include "TextBoxText.h"
#include "Twips.h"
#include "app/MainForm.h"

namespace lp {

namespace {

const ControlSpec& def(const char* name) { return *findControl(mainFormControls(), name); }

QString qtext(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), ui_(this), controller_(*this) {
    setObjectName(QStringLiteral("MainForm"));
    answerBoxesWith(ui_);
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setWindowIcon(appIcon());
    leaveProgram = [] { QCoreApplication::quit(); };
    controller_.useSystemExportDir();

    scanTimer_ = new QTimer(this);
    scanTimer_->setObjectName(QStringLiteral("ScanTimer"));
    connect(scanTimer_, &QTimer::timeout, this, [this] { controller_.timerTick(); });
    createMenus();
    createControls();
    setTabOrderOfControls();
    controller_.showAll();
    controller_.useUsersRecentDrawings();
    controller_.useUsersViewSettings();

    fitToScreen();
    resize(restoredClientSize(factor_) + QSize(0, menuBar_->sizeHint().height()));
    placeClientArea();
    centreOnScreen(*this);
}

MainWindow::~MainWindow() = default;

QPushButton* MainWindow::Command(int n) const {
    return n >= 1 && n < static_cast<int>(commands_.size()) ? commands_[static_cast<std::size_t>(n)] : nullptr;
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
            QList<QKeySequence> keys{QKeySequence(qtext(shortcutText(item.shortcut)))};
            if (item.alternative.letter || item.alternative.function)
                keys << QKeySequence(qtext(shortcutText(item.alternative)));
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            const MenuCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { controller_.menuCommand(command); });
            menuActions_.emplace_back(command, action);
            // The recent drawings follow the file commands.
            if (command == MenuCommand::SaveDrawingAs) {
                recentMenu_ = menu->addMenu(QStringLiteral("最近打开的图纸(&R)"));
                recentMenu_->setObjectName(QStringLiteral("RecentDrawings"));
                recentMenu_->setEnabled(false);
            }
        }
    }
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
}

void MainWindow::createControls() {
    picture1_ = new SheetView(client_);
    picture1_->setObjectName(QStringLiteral("Picture1"));

    picture2_ = new QFrame(client_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture2_->setLineWidth(1);
    picture2_->setFocusPolicy(Qt::TabFocus);

    const ControlSpec& label1 = def("Label1");
    label1_ = new QLabel(QString::fromUtf8(label1.text), picture2_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);

    text1_ = new QPlainTextEdit(client_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(text1_, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText1_) controller_.text1Edited(textFromTextBox(text1_->toPlainText()));
    });
    connect(picture1_, &SheetView::cellPressed, this, [this](int line, int column) { controller_.sheetPressed(line, column); });
    connect(picture1_, &SheetView::zoomWheel, this, [this](int notches) { controller_.zoomByWheel(notches); });
    connect(picture1_, &SheetView::cellDoubleClicked, this,
            [this](int line, int column) { controller_.sheetDoubleClicked(line, column); });

    for (int n = 1; n <= kCommandButtons; ++n) {
        const ControlSpec& layout = buttonControl(n);
        QWidget* parent = layout.container ? static_cast<QWidget*>(picture2_) : client_;
        auto* button = new QPushButton(QString::fromUtf8(layout.text), parent);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setAutoDefault(false);
        button->setToolTip(qtext(controller_.buttonTip(n)));
        connect(button, &QPushButton::clicked, this, [this, n] { controller_.click(n); });
        commands_[static_cast<std::size_t>(n)] = button;
    }
}

void MainWindow::setTabOrderOfControls() {
    std::vector<QWidget*> order;
    for (const ControlSpec* control : tabOrder(mainFormControls()))
        order.push_back(client_->findChild<QWidget*>(QString::fromLatin1(control->name)));
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::showSheet(const std::vector<std::string>& lines, int cursorRow, int cursorColumn) {
    picture1_->showPicture(lines);
    picture1_->ensureVisible(cursorRow, cursorColumn);
}

void MainWindow::showMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines) {
    picture1_->setMarks(marks, changedLines);
}

void MainWindow::setButton(int n, bool enabled, bool visible) {
    QPushButton* button = Command(n);
    button->setEnabled(enabled);
    button->setVisible(visible);
}

void MainWindow::setText1(const std::string& text) {
    settingText1_ = true;
    text1_->setPlainText(textForTextBox(text));
    settingText1_ = false;
}

// The line of the last step: highlighted across and scrolled to.
void MainWindow::selectText1Line(std::size_t line) {
    QList<QTextEdit::ExtraSelection> highlight;
    const QTextBlock block = text1_->document()->findBlockByNumber(static_cast<int>(line) - 1);
    if (line > 0 && block.isValid()) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(block);
        selection.format.setBackground(SheetView::colour(kStepColour));
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        highlight << selection;
        text1_->setTextCursor(QTextCursor(block));
        text1_->ensureCursorVisible();
    }
    text1_->setExtraSelections(highlight);
}

void MainWindow::setCaption(const std::string& caption) { setWindowTitle(qtext(caption)); }

void MainWindow::setMenuEnabled(MenuCommand command, bool enabled) {
    if (QAction* action = menuAction(command)) action->setEnabled(enabled);
}

void MainWindow::setMenuText(MenuCommand command, const std::string& caption) {
    if (QAction* action = menuAction(command)) action->setText(qtext(caption));
}

void MainWindow::setRecentDrawings(const std::vector<std::string>& captions) {
    recentMenu_->clear();
    for (std::size_t i = 0; i < captions.size(); ++i)
        connect(recentMenu_->addAction(qtext(captions[i])), &QAction::triggered, this,
                [this, i] { controller_.openRecent(i); });
    recentMenu_->setEnabled(!captions.empty());
}

void MainWindow::showDeviceTable(const DeviceTableModel& table, bool opened) {
    if (!deviceTable_) deviceTable_ = new DeviceTableWindow(controller_, this);
    deviceTable_->showTable(table, opened);
    if (!opened) return;
    placeDeviceTable();
    deviceTable_->show();
}

void MainWindow::hideDeviceTable() {
    if (deviceTable_) deviceTable_->hide();
}

void MainWindow::startTimer(int ms) { scanTimer_->start(ms); }

void MainWindow::stopTimer() { scanTimer_->stop(); }

void MainWindow::showAbout() {
    if (!about_) {
        about_ = std::make_unique<AboutDialog>();
        about_->endProgram = [this] { leaveProgram(); };
    }
    centreOnScreen(*about_);
    about_->show();
    hide();
}

void MainWindow::endProgram() { leaveProgram(); }

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!followsScreen_ && windowHandle()) {
        // Another screen, or the same one with another task bar, may want
        // another scale; so may the frame, once the window manager drew it.
        followsScreen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
            if (screen) connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::fitToScreen, Qt::UniqueConnection);
            fitToScreen();
        });
        if (QScreen* screen = this->screen())
            connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::fitToScreen, Qt::UniqueConnection);
        QTimer::singleShot(0, this, &MainWindow::fitToScreen);
    }
    controller_.load();  // only the first time: later activations leave the sheet alone
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeClientArea();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (controller_.closeRequested())
        event->accept();
    else
        event->ignore();
}

}  // namespace lp
