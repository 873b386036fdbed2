#pragma once
// MainForm: the working window. Picture1 (the sheet) on the left, the
// palette (Picture2 with Label1 and the element buttons), Text1 and the
// bottom row on the right, a menu bar above the client area. The window is
// a view of the main controller: it forwards every act of the user to it
// and shows what it is told.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "FontSet.h"
#include "Win32UserInterface.h"
#include "Window.h"
#include "app/LayoutScale.h"
#include "app/MainController.h"
#include "app/MainView.h"
#include "app/SheetZoom.h"
#include "app/WindowPlacement.h"

namespace lp::win {

class AboutWindow;
class DeviceTableWindow;
class PaletteWindow;
class SheetWindow;

class MainWindow : public Window, public MainView {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadMainForm";
    static constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    static constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

    MainWindow();
    ~MainWindow() override;

    MainController& controller() { return controller_; }
    Win32UserInterface& userInterface() { return ui_; }
    // The device table of the 运行 menu (made when a simulation first starts).
    DeviceTableWindow* deviceTable() const { return deviceTable_.get(); }

    HWND Picture1() const { return picture1_; }
    HWND Picture2() const;
    HWND Label1() const { return label1_; }
    HWND Text1() const { return text1_; }
    HWND Command(int n) const;
    SheetWindow& sheet() const;
    // The about box, once an exit button has made it.
    AboutWindow* aboutWindow() const { return about_.get(); }
    // The tooltips of the buttons.
    HWND tooltips() const { return tooltips_; }

    // Ends the program: closing this window from its frame, and the about
    // box's OK. Passed on to the about box when it is made.
    std::function<void()> onEndProgram;

    // Opens the window maximized; the first time also runs Form_Load and
    // Form_Activate.
    void show();

    bool preTranslate(MSG& message) override;

    // The room the window has in a work area of `work` pixels at dpi: its
    // frame and menu bar.
    static ScreenRoom roomIn(PixelSize work, int dpi);
    // Lays the controls out again when the window's resolution or its
    // monitor's work area calls for another scale.
    void fitToScreen();
    // Every control at its place and font scaled by `factor`, at dpi.
    void layout(int dpi, double factor);
    double layoutFactor() const { return factor_; }

    // MainView
    void showSheet(const std::vector<std::string>& lines, int cursorRow, int cursorColumn) override;
    void showMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines) override;
    void setButton(int n, bool enabled, bool visible) override;
    void setText1(const std::string& text) override;
    void selectText1Line(std::size_t line) override;
    void setCaption(const std::string& caption) override;
    void setMenuEnabled(MenuCommand command, bool enabled) override;
    void showDeviceTable(const DeviceTableModel& table, bool opened) override;
    void hideDeviceTable() override;
    void startTimer(int ms) override;
    void stopTimer() override;
    void showAbout() override;
    void endProgram() override;
    void setMenuText(MenuCommand command, const std::string& caption) override;
    void setRecentDrawings(const std::vector<std::string>& captions) override;
    std::string askPicturePath(const std::string& title, const std::string& suggested) override;
    std::string writePicture(const Picture& picture, const std::string& path, PictureFormat format) override;
    void printPicture(const Picture& picture) override;
    void setSheetZoom(int percent) override;
    std::string askTracePath(const std::string& title, const std::string& suggested) override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    HWND controlNamed(const char* name) const;
    void dockPicture1();
    void showSheetFont();
    DeviceTableRoom deviceTableRoom() const;
    void moveFocus(bool backwards);

    Win32UserInterface ui_;
    FontSet fonts_;
    HACCEL accelerators_ = nullptr;
    HWND picture1_ = nullptr;
    std::unique_ptr<PaletteWindow> picture2_;
    HWND label1_ = nullptr;
    HWND text1_ = nullptr;
    HWND tooltips_ = nullptr;
    std::array<HWND, 23> commands_{};  // [1..22]
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<DeviceTableWindow> deviceTable_;
    int dpi_ = 0;                      // none yet: the first fit lays the controls out
    double factor_ = 1;                // the layout's scale on this monitor
    HMONITOR monitor_ = nullptr;       // the monitor it was fitted to
    int zoom_ = kActualZoom;           // the sheet's, in percent
    bool settingText1_ = false;  // the window itself is changing Text1's text
    MainController controller_{*this};
};

}  // namespace lp::win
