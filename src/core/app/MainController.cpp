#include "app/MainController.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "app/ButtonTips.h"
#include "app/MainForm.h"
#include "app/MainView.h"
#include "app/PictureExport.h"
#include "app/RunMenu.h"
#include "app/SheetZoom.h"
#include "app/ViewSettings.h"
#include "document/Document.h"
#include "document/DocumentCommands.h"
#include "document/RecentDrawings.h"
#include "platform/TextPath.h"
#include "editor/RenameDevice.h"
#include "history/History.h"
#include "picture/DrawingPicture.h"
#include "picture/SvgPicture.h"
#include "simulation/SimulationTrace.h"
#include "statement/AtomicFile.h"
#include "statement/Convert.h"
#include "sheet/Ladder.h"
#include "simulation/MarkShapes.h"
#include "simulation/SimulationSession.h"
#include "statement/ListCheckCommand.h"
#include "texts/DeviceTableTexts.h"
#include "texts/DisplayColumns.h"

namespace lp {

static_assert(kCommandButtons == kButtonCount, "the window has a button for each of the palette's commands");

namespace {

// The ladder's boxes are the view's, with the palette shown first, so that
// the window behind a modal box shows the state the command has reached.
class ViewBoxes : public UserInterface {
public:
    ViewBoxes(MainView& view, std::function<void()> beforeModal)
        : view_(view), beforeModal_(std::move(beforeModal)) {}

    std::string inputBox(const std::string& prompt, const std::string& title) override {
        beforeModal_();
        return view_.inputBox(prompt, title);
    }
    std::string inputBoxWithText(const std::string& prompt, const std::string& title, const std::string& text) override {
        beforeModal_();
        return view_.inputBoxWithText(prompt, title, text);
    }
    void messageBox(const std::string& text, const std::string& caption) override {
        beforeModal_();
        view_.messageBox(text, caption);
    }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        beforeModal_();
        return view_.askYesNo(text, caption);
    }
    SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) override {
        beforeModal_();
        return view_.askSaveChanges(text, caption);
    }
    std::string askOpenPath(const std::string& title, const std::string& folder) override {
        beforeModal_();
        return view_.askOpenPath(title, folder);
    }
    std::string askSavePath(const std::string& title, const std::string& suggested) override {
        beforeModal_();
        return view_.askSavePath(title, suggested);
    }

private:
    MainView& view_;
    std::function<void()> beforeModal_;
};

struct ButtonShown {
    bool known = false, enabled = false, visible = false;
};

bool isRunCommand(MenuCommand command) {
    return command == MenuCommand::CheckList || command == MenuCommand::StartSimulation ||
           command == MenuCommand::StepSimulation || command == MenuCommand::StopSimulation;
}

// The name of a button's act in the 编辑 menu ("撤销 放置触点").
std::string actName(int n) {
    switch (n) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: return "放置触点";
    case 9: case 21: return "放置线圈";
    case 10: return "后退一步";
    case 11: return "回车换行";
    case 12: return "重新编辑";
    case 13: return "转换";
    case 15: case 16: return "放置连线";
    case 18: return "空位键";
    case 22: return "放置 END";
    default: return "编辑";
    }
}

constexpr const char* kUndoCaption = "撤销(&U)";
constexpr const char* kRedoCaption = "重做(&R)";

}  // namespace

struct MainController::State {
    explicit State(MainView& v) : view(v), boxes(v, [this] { showPalette(); }), ladder(boxes) {}

    MainView& view;
    ViewBoxes boxes;
    Ladder ladder;
    Document document;
    SimulationSession simulation;
    History history;
    RecentDrawings recent;
    SimulationTrace trace;
    std::vector<std::string> recentCaptions;
    std::string settingsFile;  // "" keeps the settings for this run only
    ViewSettings settings;
    std::optional<double> hoverX;  // the pointer over the timing diagram, at this x of it
    bool loaded = false;   // Form_Load and Form_Activate have run
    bool running = false;  // a command is running (its modal box may be open)

    // What the view was last told.
    std::array<ButtonShown, 23> buttons{};  // [1..22]
    std::vector<std::pair<MenuCommand, bool>> menus;
    std::string undoCaption = kUndoCaption, redoCaption = kRedoCaption;
    std::optional<std::string> caption;
    std::string text1;
    std::vector<MarkShape> marks;
    std::size_t selectedLine = 0;
    bool tableShown = false;
    std::optional<DeviceTableModel> table;
    bool timerOn = false;
    int zoom = 0;

    void showPalette() {
        for (int n = 1; n < static_cast<int>(buttons.size()); ++n) {
            ButtonShown& shown = buttons[static_cast<std::size_t>(n)];
            const bool enabled = ladder.palette.enabled(n), visible = ladder.palette.visible(n);
            if (shown.known && shown.enabled == enabled && shown.visible == visible) continue;
            shown = {true, enabled, visible};
            view.setButton(n, enabled, visible);
        }
    }

    void showText1() {
        if (ladder.Text1 == text1) return;
        text1 = ladder.Text1;
        view.setText1(text1);
    }

    void showSheet() {
        std::string before;
        for (int col = kFirstCol; col < ladder.state.CurCol && col <= kLastCol; ++col)
            before += ladder.sheet.cell(ladder.state.CurRow, col);
        view.showSheet(ladder.picture, ladder.state.CurRow, displayColumns(before));
    }

    bool canAct(MenuCommand command) const {
        if (isRunCommand(command)) return runCommandCanAct(command, ladder, simulation);
        switch (command) {
        case MenuCommand::Undo: return history.canUndo();
        case MenuCommand::Redo: return history.canRedo();
        // While the export row shows, the list shown is the drawing's.
        case MenuCommand::RenameDevice: return !ladder.palette.visible(19);
        case MenuCommand::ZoomIn: return settings.zoom < kLargestZoom;
        case MenuCommand::ZoomOut: return settings.zoom > kSmallestZoom;
        case MenuCommand::ActualSize: return settings.zoom != kActualZoom;
        default: return true;
        }
    }

    void showEditCaptions() {
        const std::string undo = history.canUndo() ? "撤销 " + history.undoName() + "(&U)" : kUndoCaption;
        const std::string redo = history.canRedo() ? "重做 " + history.redoName() + "(&R)" : kRedoCaption;
        if (undo != undoCaption) view.setMenuText(MenuCommand::Undo, undoCaption = undo);
        if (redo != redoCaption) view.setMenuText(MenuCommand::Redo, redoCaption = redo);
    }

    // Each item is enabled while its command can act.
    void showMenus() {
        showEditCaptions();
        for (const MenuSpec& menu : menuBar()) {
            for (const MenuItemSpec& item : menu.items) {
                const bool enabled = canAct(item.command);
                auto shown = std::find_if(menus.begin(), menus.end(), [&](const auto& m) { return m.first == item.command; });
                if (shown == menus.end()) {
                    menus.emplace_back(item.command, enabled);
                } else if (shown->second != enabled) {
                    shown->second = enabled;
                } else {
                    continue;
                }
                view.setMenuEnabled(item.command, enabled);
            }
        }
    }

    void showRecent() {
        std::vector<std::string> captions;
        for (std::size_t i = 0; i < recent.paths().size(); ++i)
            captions.push_back(recentDrawingCaption(i, recent.paths()[i]));
        if (captions == recentCaptions) return;
        recentCaptions = captions;
        view.setRecentDrawings(recentCaptions);
    }

    // The drawing was opened from or saved to its file.
    void remember(bool done) {
        if (!done) return;
        recent.add(document.path());
        showRecent();
    }

    void opened(bool done) {
        if (!done) return;
        history.clear();
        remember(true);
    }

    void showCaption() {
        std::string now = document.caption(ladder);
        if (caption == now) return;
        caption = now;
        view.setCaption(*caption);
    }

    // The palette, Text1, the sheet, the menus and the caption as the core has them.
    void showCoreState() {
        showPalette();
        showText1();
        showSheet();
        showMenus();
        showCaption();
    }

    void setMarks(std::vector<MarkShape> next) {
        if (next == marks) return;
        const std::vector<int> lines = changedMarkLines(marks, next);
        marks = std::move(next);
        view.showMarks(marks, lines);
    }

    void selectLine(std::size_t line) {
        if (line == selectedLine) return;
        selectedLine = line;
        view.selectText1Line(line);
    }

    DeviceTableModel tableModel() {
        Simulation& sim = simulation.simulation();
        DeviceTableModel model;
        model.title = std::string(kDeviceTableTitlePrefix) + kProgramTitle;
        const std::vector<std::string>& wrongCoils = sim.differs();
        for (int d = 0; d < sim.deviceCount(); ++d) {
            DeviceRow row;
            row.name = sim.deviceNames()[static_cast<std::size_t>(d)];
            row.input = sim.isInput(d);
            row.on = sim.value(d);
            row.differs = !row.input && std::binary_search(wrongCoils.begin(), wrongCoils.end(), row.name);
            row.text = row.input ? inputSwitchText(row.name, row.on) : lampText(row.name, row.on, row.differs);
            row.colour = row.differs ? kDiffersColour : row.on ? kLampOnColour : kLampOffColour;
            model.rows.push_back(std::move(row));
        }
        model.counter = scanCounterText(sim.scans());
        model.stack = stackText(sim.stack(), sim.lastStepLine());
        if (sim.usesBranchStack()) model.branchStack = branchStackText(sim.branchStack());
        model.playing = simulation.playing;
        model.runPause = simulation.playing ? kPauseText : kRunText;
        model.periodMs = simulation.periodMs;
        model.stepsEnabled = !simulation.playing;
        // The scan under the pointer; while stepping by hand, the last one.
        std::optional<std::size_t> marked = hoverX ? trace.scanAt(*hoverX) : std::nullopt;
        if (!marked && !simulation.playing && !trace.scans().empty()) marked = trace.scans().size() - 1;
        model.trace = trace.diagram(marked);
        return model;
    }

    // The sheet, the device table and Text1's step line as the simulation stands.
    void showSimulation() {
        Simulation& sim = simulation.simulation();
        if (sim.scans() > 0) trace.record(sim);
        setMarks(markShapes(cellMarks(ladder, sim.cells())));
        DeviceTableModel model = tableModel();
        if (!tableShown) {
            tableShown = true;
            table = model;
            view.showDeviceTable(model, true);
        } else if (table != model) {
            table = model;
            view.showDeviceTable(model, false);
        }
        selectLine(sim.lastStepLine());
        showMenus();
    }

    void stopTimer() {
        if (!timerOn) return;
        timerOn = false;
        view.stopTimer();
    }

    void showZoom() {
        if (zoom == settings.zoom) return;
        zoom = settings.zoom;
        view.setSheetZoom(zoom);
    }

    void setZoom(int percent) {
        settings.zoom = validZoom(percent);
        keepViewSettings(settingsFile, settings);
        showZoom();
        showMenus();
    }

    // The picture never shows a simulation of another drawing or list.
    void endSimulation() {
        simulation.stop();
        simulation.playing = false;
        stopTimer();
        if (tableShown) {
            tableShown = false;
            table.reset();
            view.hideDeviceTable();
        }
        setMarks({});
        selectLine(0);
    }

    bool startSimulation() {
        endSimulation();
        if (const auto refusal = simulation.start(ladder)) {
            running = true;
            showPalette();
            view.simulationRefused(*refusal);
            running = false;
            return false;
        }
        trace.begin(simulation.simulation());
        showSimulation();
        return true;
    }

    // Writes the file, or tells why not.
    bool write(const std::string& path, const std::string& bytes) {
        const std::string why = replaceFile(path, bytes);
        if (why.empty()) return true;
        running = true;
        boxes.messageBox("无法写入文件：" + path + "（" + why + "）", kProgramTitle);
        running = false;
        return false;
    }

    // An act on the drawing outside the palette: the simulation ends first,
    // the act is one step of the history.
    bool recordAct(const std::string& name, const std::function<bool()>& act) {
        const LadderBefore before = LadderBefore::of(ladder);
        if (!act()) return false;
        endSimulation();
        if (auto change = LadderChange::between(before, ladder)) history.record(name, std::move(*change));
        return true;
    }

    bool rename(NameCell cell, std::optional<bool> all) {
        return recordAct(kRenameTitle, [&] { return renameDevice(ladder, cell, all); });
    }

    // 重命名器件 from the menu: the element at the cursor's rung, else the
    // last name placed, else the first name on the sheet.
    void renameAsked() {
        std::optional<NameCell> cell;
        for (int row = kFirstRow; row <= kLastRow && !cell; row += 2)
            for (int col = kFirstCol; col <= kLastCol && !cell; ++col)
                if (ladder.sheet.cell(row, col) == ladder.state.DeviceName) cell = nameCellNear(ladder, row, col);
        for (int row = kFirstRow; row <= kLastRow && !cell; row += 2)
            for (int col = kFirstCol; col <= kLastCol && !cell; ++col) cell = nameCellNear(ladder, row, col);
        if (cell) rename(*cell, std::nullopt);
    }

    // With changes not yet saved, asks whether to save them first.
    bool mayLeave() {
        if (running) return false;
        running = true;
        const bool leave = lp::mayLeave(ladder, document);
        running = false;
        showCoreState();
        return leave;
    }
};

MainController::MainController(MainView& view) : s_(std::make_unique<State>(view)) {}

MainController::~MainController() = default;

void MainController::setExportDir(const std::string& folder) { s_->ladder.exportDir = folder; }

void MainController::useSystemExportDir() { s_->ladder.exportDir = defaultExportDir(); }

void MainController::showAll() {
    State& s = *s_;
    s.buttons = {};
    s.menus.clear();
    s.caption.reset();
    s.zoom = 0;
    s.view.setText1(s.text1 = s.ladder.Text1);
    s.showZoom();
    s.showCoreState();
}

void MainController::useViewSettings(const std::string& file) {
    s_->settingsFile = file;
    s_->settings = loadViewSettings(file);
    s_->showZoom();
    s_->showMenus();
}

void MainController::useUsersViewSettings() { useViewSettings(viewSettingsFile()); }

int MainController::zoom() const { return s_->settings.zoom; }

void MainController::zoomByWheel(int notches) {
    if (notches != 0) s_->setZoom(zoomedByWheel(s_->settings.zoom, notches));
}

std::optional<ScreenPoint> MainController::movedDeviceTable() const { return s_->settings.deviceTable; }

void MainController::deviceTableMoved(ScreenPoint to) {
    State& s = *s_;
    if (s.settings.deviceTable == to) return;
    s.settings.deviceTable = to;
    keepViewSettings(s.settingsFile, s.settings);
}

void MainController::traceHovered(std::optional<double> x) {
    State& s = *s_;
    s.hoverX = x;
    if (s.simulation.running()) s.showSimulation();  // told only when the mark moved
}

void MainController::useRecentDrawings(const std::string& file) {
    s_->recent = RecentDrawings(file);
    s_->recent.load();
    s_->showRecent();
}

void MainController::useUsersRecentDrawings() { useRecentDrawings(recentDrawingsFile()); }

bool MainController::openRecent(std::size_t index) {
    State& s = *s_;
    if (s.running || !s.loaded || index >= s.recent.paths().size()) return false;
    const std::string path = s.recent.paths()[index];
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pathFromText(path), ec)) {
        s.running = true;
        s.boxes.messageBox("找不到图纸：" + path + "，已从最近打开的图纸中删除", kProgramTitle);
        s.running = false;
        s.recent.remove(path);
        s.showRecent();
        return false;
    }
    s.endSimulation();
    s.running = true;
    const bool opened = lp::mayLeave(s.ladder, s.document) && openDrawing(s.ladder, s.document, path);
    s.opened(opened);
    s.running = false;
    s.showCoreState();
    return opened;
}

void MainController::load() {
    if (s_->loaded) return;  // later activations leave the sheet alone
    s_->loaded = true;
    s_->ladder.Form_Load();
    s_->ladder.Form_Activate();
    s_->showCoreState();
}

ClickResult MainController::click(int n) {
    State& s = *s_;
    if (s.running || !s.loaded) return ClickResult::Ignored;
    s.running = true;
    // A button that acts ends a running simulation first.
    const bool simulating = s.simulation.running();
    const LadderBefore before = LadderBefore::of(s.ladder);
    const ClickResult result = pressButton(s.ladder, s.simulation, n);
    if (result == ClickResult::Done) {
        if (auto change = LadderChange::between(before, s.ladder)) s.history.record(actName(n), std::move(*change));
    }
    if (simulating && !s.simulation.running()) s.endSimulation();
    s.running = false;
    s.showCoreState();
    if (result == ClickResult::Exit && s.mayLeave()) view().showAbout();
    return result;
}

void MainController::menuCommand(MenuCommand command) {
    State& s = *s_;
    if (s.running || !s.loaded) return;  // a command's modal box is open, or the sheet is not there yet
    if (!s.canAct(command)) return;
    switch (command) {
    case MenuCommand::NewDrawing: newDrawing(); return;
    case MenuCommand::OpenDrawing:
        s.endSimulation();
        s.running = true;
        s.opened(openDrawingAsked(s.ladder, s.document));
        break;
    case MenuCommand::ExportPicture: exportPicture(); return;
    case MenuCommand::PrintPicture:
        s.running = true;
        s.showPalette();
        s.view.printPicture(picture());
        break;
    case MenuCommand::Undo: undo(); return;
    case MenuCommand::Redo: redo(); return;
    case MenuCommand::RenameDevice:
        s.running = true;
        s.renameAsked();
        break;
    case MenuCommand::SaveDrawing:
        s.running = true;
        s.remember(saveDrawing(s.ladder, s.document));
        break;
    case MenuCommand::SaveDrawingAs:
        s.running = true;
        s.remember(saveDrawingAs(s.ladder, s.document));
        break;
    case MenuCommand::CheckList:
        s.running = true;
        checkListCommand(s.ladder);
        break;
    case MenuCommand::StartSimulation: s.startSimulation(); break;
    case MenuCommand::StepSimulation: stepOnce(); break;
    case MenuCommand::StopSimulation: s.endSimulation(); break;
    case MenuCommand::ZoomIn: s.setZoom(zoomedIn(s.settings.zoom)); return;
    case MenuCommand::ZoomOut: s.setZoom(zoomedOut(s.settings.zoom)); return;
    case MenuCommand::ActualSize: s.setZoom(kActualZoom); return;
    }
    s.running = false;
    s.showCoreState();
}

void MainController::text1Edited(const std::string& text) {
    State& s = *s_;
    // An edit of Text1 ends a running simulation, decides what the 运行 menu
    // can do, and moves the caption's mark as the user types.
    s.text1 = text;
    s.ladder.Text1 = text;
    if (s.simulation.running()) s.endSimulation();
    s.showMenus();
    if (!s.running && s.document.hasFile()) s.showCaption();
}

void MainController::sheetPressed(int line, int column) {
    State& s = *s_;
    if (!s.simulation.running()) return;
    const int row = line + 1;
    const int col = cellAtDisplayColumn(s.ladder, row, column);
    if (col < 0) return;
    Simulation& sim = s.simulation.simulation();
    if (!sim.toggleInput(sim.contactDeviceAt(row, col))) return;
    s.showSimulation();
}

void MainController::timerTick() {
    if (!s_->simulation.running()) return;
    s_->simulation.simulation().scan();
    s_->showSimulation();
}

bool MainController::closeRequested() {
    if (!s_->mayLeave()) return false;
    s_->endSimulation();
    view().endProgram();
    return true;
}

bool MainController::openFile(const std::string& path) {
    State& s = *s_;
    if (s.running || !s.loaded) return false;
    s.endSimulation();
    s.running = true;
    const bool opened = openDrawing(s.ladder, s.document, path);
    s.opened(opened);
    s.running = false;
    s.showCoreState();
    return opened;
}

bool MainController::saveTo(const std::string& path) {
    State& s = *s_;
    if (s.running || !s.loaded) return false;
    s.running = true;
    const bool saved = saveDrawingTo(s.ladder, s.document, path);
    s.remember(saved);
    s.running = false;
    s.showCoreState();
    return saved;
}

void MainController::toggleInput(int device) {
    if (!s_->simulation.running()) return;
    s_->simulation.simulation().toggleInput(device);
    s_->showSimulation();
}

void MainController::setPlaying(bool playing) {
    State& s = *s_;
    if (!s.simulation.running()) return;
    s.simulation.playing = playing;
    if (playing) {
        s.timerOn = true;
        view().startTimer(s.simulation.periodMs);
    } else {
        s.stopTimer();
    }
    s.showSimulation();
}

void MainController::setPeriod(int ms) {
    s_->simulation.periodMs = ms;
    if (s_->timerOn) view().startTimer(ms);
}

void MainController::scanOnce() { scan(1); }

void MainController::scan(long count) {
    State& s = *s_;
    if (!s.simulation.running()) return;
    Simulation& sim = s.simulation.simulation();
    // The trace keeps the last scans: only those are run one by one.
    const long traced = static_cast<long>(SimulationTrace::kScans);
    if (count > traced) sim.scan(count - traced);
    for (long i = std::min(count, traced); i > 0; --i) {
        sim.scan();
        s.trace.record(sim);
    }
    s.showSimulation();
}

void MainController::stepOnce() {
    State& s = *s_;
    if (!s.simulation.running() && !s.startSimulation()) return;
    s.stopTimer();
    s.simulation.playing = false;
    s.simulation.simulation().step();
    s.showSimulation();
}

void MainController::resetSimulation() {
    if (!s_->simulation.running()) return;
    s_->simulation.simulation().reset();
    s_->trace.begin(s_->simulation.simulation());
    s_->showSimulation();
}

void MainController::stopSimulation() {
    s_->endSimulation();
    s_->showMenus();
}

bool MainController::startSimulation() { return s_->startSimulation(); }

bool MainController::undo() {
    State& s = *s_;
    if (s.running || !s.loaded || !s.history.canUndo()) return false;
    s.endSimulation();
    s.history.undo(s.ladder);
    s.showCoreState();
    return true;
}

bool MainController::redo() {
    State& s = *s_;
    if (s.running || !s.loaded || !s.history.canRedo()) return false;
    s.endSimulation();
    s.history.redo(s.ladder);
    s.showCoreState();
    return true;
}

bool MainController::renameAt(int row, int col, std::optional<bool> all) {
    State& s = *s_;
    if (s.running || !s.loaded || !s.canAct(MenuCommand::RenameDevice)) return false;
    const std::optional<NameCell> cell = nameCellNear(s.ladder, row, col);
    if (!cell) return false;
    s.running = true;
    const bool renamed = s.rename(*cell, all);
    s.running = false;
    s.showCoreState();
    return renamed;
}

void MainController::sheetDoubleClicked(int line, int column) {
    State& s = *s_;
    const int row = line + 1;
    const int col = cellAtDisplayColumn(s.ladder, row, column);
    if (col >= 0) renameAt(row, col, std::nullopt);
}

bool MainController::newDrawing() {
    State& s = *s_;
    if (s.running || !s.loaded) return false;
    s.endSimulation();
    s.running = true;
    const bool leave = lp::mayLeave(s.ladder, s.document);
    s.running = false;
    if (leave) {
        // As the window is made: the controls' first states, then Form_Load.
        s.ladder.palette = Palette();
        s.ladder.state = EditState();
        s.ladder.scan = ScanState();
        s.ladder.Text1.clear();
        s.ladder.Form_Load();
        s.ladder.Form_Activate();
        s.document = Document();
        s.history.clear();
    }
    s.showCoreState();
    return leave;
}

bool MainController::setInput(const std::string& name, bool on) {
    if (!s_->simulation.running() || !s_->simulation.simulation().setInput(name, on)) return false;
    s_->showSimulation();
    return true;
}

Picture MainController::picture() const {
    const std::string& path = s_->document.path();
    const std::size_t slash = path.find_last_of("/\\");
    return drawingPicture(s_->ladder, slash == std::string::npos ? path : path.substr(slash + 1), todaysDate());
}

bool MainController::exportPicture() {
    State& s = *s_;
    if (s.running || !s.loaded) return false;
    s.running = true;
    s.showPalette();
    const std::string& file = s.document.path();
    const std::string start = file.empty() ? s.ladder.exportDir : file.substr(0, file.find_last_of('.')) + ".png";
    const std::string path = s.view.askPicturePath(kExportPictureTitle, start);
    bool written = false;
    if (!path.empty()) {
        const PictureFormat format = pictureFormatOf(path);
        const Picture drawing = picture();
        std::string why = format == PictureFormat::Svg ? writeSvgPicture(drawing, path)
                                                       : s.view.writePicture(drawing, path, format);
        if (!why.empty() && format != PictureFormat::Svg) why = "无法写入文件：" + path + "（" + why + "）";
        if (!why.empty()) s.boxes.messageBox(why, kProgramTitle);
        written = why.empty();
    }
    s.running = false;
    s.showCoreState();
    return written;
}

bool MainController::savePictureSvg(const std::string& path) { return s_->write(path, svgOf(picture())); }

bool MainController::saveTrace(const std::string& path) {
    State& s = *s_;
    if (!s.simulation.running()) return false;
    const PictureFormat format = pictureFormatOf(path);
    if (format == PictureFormat::Svg) return s.write(path, svgOf(s.trace.diagram()));
    if (format == PictureFormat::Unknown) return s.write(path, s.trace.csv());
    const std::string why = s.view.writePicture(s.trace.diagram(), path, format);
    if (why.empty()) return true;
    s.running = true;
    s.boxes.messageBox("无法写入文件：" + path + "（" + why + "）", kProgramTitle);
    s.running = false;
    return false;
}

bool MainController::exportTrace() {
    State& s = *s_;
    if (s.running || !s.simulation.running()) return false;
    s.running = true;
    const std::string& file = s.document.path();
    std::string start = file.empty() ? s.ladder.exportDir : file.substr(0, file.find_last_of('.'));
    if (file.empty() && !start.empty() && start.back() != '/' && start.back() != '\\')
        start += start.find('\\') == std::string::npos ? '/' : '\\';
    start += file.empty() ? kTraceFileName : std::string("-") + kTraceFileName;
    const std::string path = s.view.askTracePath(kSaveTraceTitle, start);
    s.running = false;
    return !path.empty() && saveTrace(path);
}

std::string MainController::buttonTip(int n) const { return lp::buttonTip(s_->ladder, n); }

bool MainController::simulating() const { return s_->simulation.running(); }

bool MainController::busy() const { return s_->running; }

Ladder& MainController::ladder() { return s_->ladder; }

const Document& MainController::document() const { return s_->document; }

SimulationSession& MainController::simulation() { return s_->simulation; }

MainView& MainController::view() { return s_->view; }

}  // namespace lp
