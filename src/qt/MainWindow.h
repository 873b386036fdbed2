#pragma once
// MainForm: the working window. Picture1 (the sheet view) on the left, the
// palette (Picture2 with Label1 and the element buttons), Text1 and the
// bottom row on the right. The window owns the ladder: every button press
// runs the core's command, then the window shows the core's state.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <QWidget>

#include "QtUserInterface.h"
#include "app/Menus.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"

class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace lp {

class AboutDialog;
class DeviceTableWindow;
class SheetView;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ladder& ladder() { return ladder_; }
    // The drawing's file, and what was last saved to it.
    const Document& document() const { return document_; }
    QtUserInterface& userInterface() { return ui_; }

    // The menu bar on top, and below it the client area that holds every
    // control at its place in twips.
    QMenuBar* menuBar() const { return menuBar_; }
    QWidget* clientArea() const { return client_; }
    QAction* menuAction(MenuCommand command) const;

    SheetView* Picture1() const { return picture1_; }
    QFrame* Picture2() const { return picture2_; }
    QLabel* Label1() const { return label1_; }
    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* Command(int n) const;
    // The about box, once an exit button has made it.
    AboutDialog* aboutDialog() const { return about_.get(); }

    // Ends the program: closing this window from its frame, and the about
    // box's OK. Passed on to the about box when it is made.
    std::function<void()> endProgram;

    // A press of CommandN, as a click on it does.
    void pressCommand(int n);
    // A command of the menu bar, as choosing it does.
    void runMenuCommand(MenuCommand command);
    // Opens a drawing file as 打开图纸 does once its file is chosen (the
    // program's command line). True when it was opened.
    bool openDrawingFile(const std::string& path);

    // The simulation of the 运行 menu, its device table (made when first
    // started) and the timer of its continuous mode.
    SimulationSession& simulation() { return simulation_; }
    DeviceTableWindow* deviceTable() const { return deviceTable_; }
    QTimer* scanTimer() const { return scanTimer_; }

    // The restored size of the client area below the menu bar (11880 x 8595
    // twips).
    static QSize restoredClientSize();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void updateMenus();
    void updateCaption();
    void showCoreState();
    bool mayLeave();
    void createControls();
    void placeClientArea();
    void setTabOrderOfControls();
    void mirrorPalette();
    void takeUserEditsOfText1();
    void showText1IfChanged();
    void repaintSheet();
    void showAbout();
    void startSimulation();
    void stepSimulation();
    void endSimulation();
    void showSimulation();
    void placeDeviceTable();
    void pressSheet(int line, int column);

    QtUserInterface ui_;
    Ladder ladder_;
    Document document_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<std::pair<MenuCommand, QAction*>> menuActions_;
    SheetView* picture1_ = nullptr;
    QFrame* picture2_ = nullptr;
    QLabel* label1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    std::array<QPushButton*, 23> commands_{};  // [1..22]
    std::unique_ptr<AboutDialog> about_;
    bool loaded_ = false;       // Form_Load and Form_Activate have run
    bool running_ = false;      // a command is running (its modal box may be open)
    std::string coreText1_;     // ladder.Text1 as last shown in Text1
    QString shownText1_;        // Text1's text as the window last set it
    bool settingText1_ = false; // the window itself is changing Text1's text
    SimulationSession simulation_;
    DeviceTableWindow* deviceTable_ = nullptr;
    QTimer* scanTimer_ = nullptr;
};

}  // namespace lp
