#pragma once
// MainForm: the working window. Picture1 (the sheet view) on the left, the
// palette (Picture2 with Label1 and the element buttons), Text1 and the
// bottom row on the right, a menu bar above. The window is a view of the
// main controller: it draws what the controller tells it and forwards
// every act of the user to it.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <QWidget>

#include "QtUserInterface.h"
#include "app/MainController.h"
#include "app/MainView.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace lp {

class AboutDialog;
class DeviceTableWindow;
class SheetView;

class MainWindow : public QWidget, private MainView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainController& controller() { return controller_; }
    // The boxes the window asks with; real dialogs unless a test replaces them.
    QtUserInterface& userInterface() { return ui_; }

    // The menu bar on top, and below it the client area that holds every
    // control at its place in twips.
    QMenuBar* menuBar() const { return menuBar_; }
    QWidget* clientArea() const { return client_; }
    QAction* menuAction(MenuCommand command) const;
    QMenu* recentMenu() const { return recentMenu_; }

    SheetView* Picture1() const { return picture1_; }
    QFrame* Picture2() const { return picture2_; }
    QLabel* Label1() const { return label1_; }
    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* Command(int n) const;
    // The about box, once an exit button has made it.
    AboutDialog* aboutDialog() const { return about_.get(); }
    // The device table of the 运行 menu (made when first shown) and the timer
    // of its continuous mode.
    DeviceTableWindow* deviceTable() const { return deviceTable_; }
    QTimer* scanTimer() const { return scanTimer_; }

    // Ends the program: closing this window from its frame, and the about
    // box's OK. Passed on to the about box when it is made.
    std::function<void()> leaveProgram;

    // The restored size of the client area below the menu bar (11880 x 8595
    // twips at the layout scale `factor`).
    static QSize restoredClientSize(double factor = 1);
    // The scale of the whole layout on this screen (1: as drawn).
    double layoutFactor() const { return factor_; }
    // Lays the window out again for the screen it is on, when its work area
    // or frame asks for another scale.
    void fitToScreen();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // MainView
    void showSheet(const std::vector<std::string>& lines, int cursorRow, int cursorColumn) override;
    void showMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines) override;
    void setButton(int n, bool enabled, bool visible) override;
    void setText1(const std::string& text) override;
    void selectText1Line(std::size_t line) override;
    void setCaption(const std::string& caption) override;
    void setMenuEnabled(MenuCommand command, bool enabled) override;
    void setMenuText(MenuCommand command, const std::string& caption) override;
    void setSheetZoom(int percent) override;
    void setRecentDrawings(const std::vector<std::string>& captions) override;
    void showDeviceTable(const DeviceTableModel& table, bool opened) override;
    void hideDeviceTable() override;
    void startTimer(int ms) override;
    void stopTimer() override;
    void showAbout() override;
    void endProgram() override;
    std::string askPicturePath(const std::string& title, const std::string& suggested) override;
    std::string askTracePath(const std::string& title, const std::string& suggested) override;
    std::string writePicture(const Picture& picture, const std::string& path, PictureFormat format) override;
    void printPicture(const Picture& picture) override;

    void createMenus();
    void createControls();
    void applyLayout();
    void placeClientArea();
    void placeDeviceTable();
    void setTabOrderOfControls();

    QtUserInterface ui_;
    MainController controller_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<std::pair<MenuCommand, QAction*>> menuActions_;
    QMenu* recentMenu_ = nullptr;
    SheetView* picture1_ = nullptr;
    QFrame* picture2_ = nullptr;
    QLabel* label1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    std::array<QPushButton*, 23> commands_{};  // [1..22]
    std::unique_ptr<AboutDialog> about_;
    bool settingText1_ = false;  // the window itself is changing Text1's text
    DeviceTableWindow* deviceTable_ = nullptr;
    QTimer* scanTimer_ = nullptr;
    double factor_ = 1;
    double ratio_ = 1;  // device pixels to a pixel of the layout
    bool laidOut_ = false;
    bool followsScreen_ = false;
};

}  // namespace lp
