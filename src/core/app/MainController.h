#pragma once
// The main window's one command flow. The controller owns the drawing, its
// document and the simulation; every act of the user reaches the core
// through it, and after each act it tells its view what changed. The Qt
// windows, the Windows windows and the replay tool are views of it.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "app/Buttons.h"
#include "app/PictureModel.h"
#include "app/Menus.h"
#include "app/ViewSettings.h"

namespace lp {

class Document;
class Ladder;
class MainView;
class SimulationSession;

class MainController {
public:
    explicit MainController(MainView& view);
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // The folder the export writes into (empty: the system's default).
    void setExportDir(const std::string& folder);
    // The export into the user's documents folder (Linux) or D: (Windows).
    void useSystemExportDir();
    // Keeps the recent drawings in `file` across runs (recentDrawingsFile()
    // for the user's own list) and shows them.
    void useRecentDrawings(const std::string& file);
    // The same with this user's own list (a window does this; the replay
    // tool keeps none).
    void useUsersRecentDrawings();

    // Keeps the sheet's zoom and the device table's place in `file` across
    // runs (viewSettingsFile() for the user's own), and shows the zoom.
    void useViewSettings(const std::string& file);
    void useUsersViewSettings();

    // -- Acts of the user --------------------------------------------------
    // Tells the view everything as it stands (once its controls are made).
    void showAll();
    // The window is first shown: Form_Load and Form_Activate, once.
    void load();
    // A click on CommandN (1..22). An exit button asks before leaving
    // unsaved changes, then shows the about box.
    ClickResult click(int n);
    // A command of the menu bar; ignored while it cannot act.
    void menuCommand(MenuCommand command);
    // The user changed Text1's text (lines ended by CR LF).
    void text1Edited(const std::string& text);
    // A press on the sheet: printed line `line` (from 0), display column
    // `column`; a running simulation switches an input's contact there.
    void sheetPressed(int line, int column);
    // A tick of the continuous run's timer.
    void timerTick();
    // The window is asked to close: true (and the view told to end the
    // program) once leaving is agreed.
    bool closeRequested();
    // Opens a drawing file as 打开图纸 does once its file is chosen (the
    // program's command line). True when it was opened.
    bool openFile(const std::string& path);
    // Saves to `path` with no dialog. True when it was saved.
    bool saveTo(const std::string& path);

    // 撤销 and 重做: false when there was nothing to undo or redo.
    bool undo();
    bool redo();
    // Renames the device whose name stands at or near (row, col) of the
    // sheet, asking for the new name; `all` as the user chose, or asked
    // when not given. True when a name changed.
    bool renameAt(int row, int col, std::optional<bool> all);
    // A double click on the sheet (printed line, display column): renames
    // the device there.
    void sheetDoubleClicked(int line, int column);
    // 文件 → 最近打开的图纸: opens the drawing at `index` as 打开图纸 does;
    // one that is no longer there is taken off the list with a message.
    bool openRecent(std::size_t index);
    // 新建图纸: asks before leaving unsaved changes, then the window is as
    // right after the login. False when the user stayed.
    bool newDrawing();

    // The device table's controls.
    void toggleInput(int device);
    void setPlaying(bool playing);
    void setPeriod(int ms);
    void scanOnce();
    void stepOnce();
    void resetSimulation();
    void stopSimulation();

    // Starts a simulation on Text1 whatever the menu allows (a running one
    // is ended first). False when it did not start; the view was told why.
    bool startSimulation();
    // Runs `count` scans of a running simulation, then shows the result.
    void scan(long count);
    // Switches an input by name; false when the drawing has no such input.
    bool setInput(const std::string& name, bool on);

    // The drawing as a picture (文件 → 导出图片, 打印), and written as SVG.
    // A file that cannot be written is told with the reason; false then.
    Picture picture() const;
    // 导出图片: asks the view for a file, writes the picture there.
    bool exportPicture();
    bool savePictureSvg(const std::string& path);
    // The running simulation's timing diagram saved as CSV, or as a picture
    // (SVG, PNG, PDF) by the name's ending. False with a message when not written.
    bool saveTrace(const std::string& path);
    // The device table's 保存时序图: asks the view for a file, saves there.
    bool exportTrace();
    // The pointer over the timing diagram at `x` of its picture (none: it
    // left): that scan is marked with its number.
    void traceHovered(std::optional<double> x);

    // The sheet's zoom in percent, and Ctrl with the wheel turned `notches`
    // (up: positive) over the sheet.
    int zoom() const;
    void zoomByWheel(int notches);
    // Where the user last moved the device table (its frame's top left on
    // the screen), kept across runs; and the user moving it there.
    std::optional<ScreenPoint> movedDeviceTable() const;
    void deviceTableMoved(ScreenPoint to);

    // -- What the view may ask ---------------------------------------------
    // The tooltip of CommandN ("" for none).
    std::string buttonTip(int n) const;
    bool simulating() const;
    // A command is running (its modal box may be open): acts wait.
    bool busy() const;

    Ladder& ladder();
    const Document& document() const;
    SimulationSession& simulation();

private:
    MainView& view();

    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace lp
