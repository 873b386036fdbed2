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
#include <QSignalBlocker>

#include "AboutDialog.h"
#include "AppIcon.h"
#include "DisplayColumns.h"
#include "FontSetup.h"
#include "PaletteButtons.h"
#include "Placement.h"
#include "SheetView.h"
#include "TextBoxText.h"
#include "Twips.h"
#include "app/Buttons.h"
#include "document/DocumentCommands.h"
#include "statement/Convert.h"

namespace lp {

namespace {

QFont buttonFont(ButtonFont kind) {
    switch (kind) {
    case ButtonFont::Element: return windowFont(kSongTi, 12, true);
    case ButtonFont::Word: return windowFont(kKaiTi, 15, true);
    case ButtonFont::Heavy: return windowFont(kLiShu, 21.75, true);
    case ButtonFont::Export: return windowFont(kSongTi, 15.75, true);
    }
    return {};
}

constexpr double kPicture1Width = 10815;  // twips; the height follows the window

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), ui_(this), ladder_(ui_) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setWindowIcon(appIcon());
    endProgram = [] { QCoreApplication::quit(); };
    ladder_.exportDir = defaultExportDir();

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

QSize MainWindow::restoredClientSize() { return twipsRect(0, 0, 11880, 8595).size(); }

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
    running_ = true;
    takeUserEditsOfText1();
    switch (command) {
    case MenuCommand::OpenDrawing: openDrawingAsked(ladder_, document_); break;
    case MenuCommand::SaveDrawing: saveDrawing(ladder_, document_); break;
    case MenuCommand::SaveDrawingAs: saveDrawingAs(ladder_, document_); break;
    case MenuCommand::CheckList:
    case MenuCommand::StartSimulation:
    case MenuCommand::StepSimulation:
    case MenuCommand::StopSimulation:
        break;
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
    // Each item is enabled while its command can act.
    for (const auto& [command, action] : menuActions_) {
        const bool file = command == MenuCommand::OpenDrawing || command == MenuCommand::SaveDrawing ||
                          command == MenuCommand::SaveDrawingAs;
        action->setEnabled(file);
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

void MainWindow::createControls() {
    picture1_ = new SheetView(client_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(0, 0, twipsToPixels(kPicture1Width), twipsToPixels(8595));

    picture2_ = new QFrame(client_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture2_->setLineWidth(1);
    picture2_->setFocusPolicy(Qt::TabFocus);
    picture2_->setGeometry(twipsRect(10920, 120, 4215, 5970));

    label1_ = new QLabel(QStringLiteral("元器件库"), picture2_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(1320, 120, 1455, 375));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(windowFont(kKaiTi, 15.75, true, true));

    text1_ = new QPlainTextEdit(client_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(10920, 6120, 4215, 3975));
    text1_->setFont(windowFont(kSongTi, 14.25, false));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The caption's mark follows what the user types.
    connect(text1_, &QPlainTextEdit::textChanged, this, [this] {
        if (running_ || !document_.hasFile()) return;
        takeUserEditsOfText1();
        updateCaption();
    });

    for (const ButtonSpec& layout : buttonSpecs()) {
        QWidget* parent = layout.inPicture2 ? static_cast<QWidget*>(picture2_) : client_;
        auto* button = new QPushButton(QString::fromUtf8(layout.caption), parent);
        button->setObjectName(QStringLiteral("Command%1").arg(layout.number));
        button->setGeometry(twipsRect(layout.left, layout.top, layout.width, layout.height));
        button->setFont(buttonFont(layout.font));
        button->setAutoDefault(false);
        const int n = layout.number;
        connect(button, &QPushButton::clicked, this, [this, n] { pressCommand(n); });
        commands_[static_cast<std::size_t>(n)] = button;
    }
}

void MainWindow::setTabOrderOfControls() {
    // Picture1, Picture2, Command1..Command14, (Label1,) Command15..Command18,
    // Text1, Command19..Command22.
    std::vector<QWidget*> order{picture1_, picture2_};
    for (int n = 1; n <= 18; ++n) order.push_back(Command(n));
    order.push_back(text1_);
    for (int n = 19; n <= 22; ++n) order.push_back(Command(n));
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::pressCommand(int n) {
    if (running_) return;  // a command's modal box is open
    running_ = true;
    takeUserEditsOfText1();
    const ClickResult result = pressButton(ladder_, n);
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
    const QSignalBlocker notTyped(text1_);
    text1_->setPlainText(textForTextBox(ladder_.Text1));
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
