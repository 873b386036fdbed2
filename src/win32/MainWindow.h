#pragma once
// MainForm: the working window. Picture1 (the sheet) on the left, the
// palette (Picture2 with Label1 and the element buttons), Text1 and the
// bottom row on the right, a menu bar above the client area. The window
// owns the ladder: every button press runs the core's command, then the
// window shows the core's state.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "FontSet.h"
#include "Win32UserInterface.h"
#include "Window.h"
#include "app/Menus.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
// windows.h makes OUT an empty word; the list's mnemonic needs it.
#undef OUT
#include "simulation/SimulationSession.h"

namespace lp::win {

class AboutWindow;
class DeviceTableWindow;
class PaletteWindow;
class SheetWindow;

class MainWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadMainForm";

    MainWindow();
    ~MainWindow() override;

    Ladder& ladder() { return ladder_; }
    Win32UserInterface& userInterface() { return ui_; }
    // The drawing's file, and what was last saved to it.
    const Document& document() const { return document_; }
    // The simulation of the 运行 menu and its device table (made when first started).
    SimulationSession& simulation() { return simulation_; }
    DeviceTableWindow* deviceTable() const { return deviceTable_.get(); }

    HWND Picture1() const { return picture1_; }
    HWND Picture2() const;
    HWND Label1() const { return label1_; }
    HWND Text1() const { return text1_; }
    HWND Command(int n) const;
    SheetWindow& sheet() const;
    // The about box, once an exit button has made it.
    AboutWindow* aboutWindow() const { return about_.get(); }

    // Ends the program: closing this window from its frame, and the about
    // box's OK. Passed on to the about box when it is made.
    std::function<void()> endProgram;

    // Opens the window maximized; the first time also runs Form_Load and
    // Form_Activate.
    void show();
    // A press of CommandN, as a click on it does.
    void pressCommand(int n);
    // A menu item's command, as choosing it does.
    void runMenuCommand(MenuCommand command);
    // Opens a drawing file as 打开图纸 does once its file is chosen (the
    // program's command line). True when it was opened.
    bool openDrawingFile(const std::string& path);

    bool preTranslate(MSG& message) override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    void layout(int dpi);
    void dockPicture1();
    void updateMenus();
    void updateCaption();
    void showCoreState();
    bool mayLeave();
    void text1Changed();
    void startSimulation();
    void stepSimulation();
    void endSimulation();
    void showSimulation();
    void placeDeviceTable();
    void pressSheet(int line, int column);
    void moveFocus(bool backwards);
    void mirrorPalette();
    void takeUserEditsOfText1();
    void showText1IfChanged();
    void repaintSheet();
    void showAbout();

    Win32UserInterface ui_;
    Ladder ladder_;
    Document document_;
    FontSet fonts_;
    HACCEL accelerators_ = nullptr;
    HWND picture1_ = nullptr;
    std::unique_ptr<PaletteWindow> picture2_;
    HWND label1_ = nullptr;
    HWND text1_ = nullptr;
    std::array<HWND, 23> commands_{};  // [1..22]
    std::unique_ptr<AboutWindow> about_;
    bool loaded_ = false;    // Form_Load and Form_Activate have run
    bool running_ = false;   // a command is running (its modal box may be open)
    std::string coreText1_;  // ladder.Text1 as last shown in Text1
    std::wstring shownText1_;  // Text1's text as the window last set it
    bool settingText1_ = false;  // the window itself is changing Text1's text
    SimulationSession simulation_;
    std::unique_ptr<DeviceTableWindow> deviceTable_;
    bool scanTimer_ = false;  // the timer of the continuous mode runs
};

}  // namespace lp::win
