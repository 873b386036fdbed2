// The Windows windows as a user meets them, driven through their messages:
// log in (a wrong password first), draw the typical run with every name
// typed into the prompt's own edit box (a wrong name and a cancel among
// them), convert, edit Text1, export; check the list (wrong, then right),
// save the drawing through the save dialog, re-edit, open it back through
// the open dialog (not saving the re-edit); open a seal-in drawing, run it
// from the device table; then the exit question (cancel, then save) and the
// about box. After each step the windows' states are checked against the
// core's.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "AboutWindow.h"
#include "AppFlow.h"
#include "DeviceTableWindow.h"
#include "LoginWindow.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "ModalLoop.h"
#include "PromptWindow.h"
#include "SaveQuestionWindow.h"
#include "SheetWindow.h"
#include "WideText.h"
#include "WindowDriver.h"
#include "app/AboutForm.h"
#include "app/LoginForm.h"
#include "app/MainForm.h"
#include "app/Buttons.h"
#include "app/LayoutScale.h"
#include "app/Login.h"
#include "app/SheetZoom.h"
#include "app/SysInfo.h"
#include "circuit/WrittenListCheck.h"
#include "document/Document.h"
#include "document/DrawingFile.h"
#include "document/DrawingState.h"
#include "texts/DrawingTexts.h"
#include "editor/NamePrompt.h"
#include "sheet/Ladder.h"
#include "texts/DeviceTableTexts.h"
#include "simulation/SimulationMarks.h"
// windows.h makes OUT an empty word; the list's mnemonic needs it.
#undef OUT
#include "simulation/SimulationSession.h"
#include "statement/ExportDir.h"
#include "statement/ExportText.h"
#include "statement/Gb18030.h"
#include "statement/ListCheckCommand.h"

using namespace lp;
using namespace lp::win;

namespace {

int failures = 0;
int checks = 0;

void check(bool ok, const std::string& what) {
    ++checks;
    if (ok) return;
    ++failures;
    std::fprintf(stderr, "FAILED: %s\n", what.c_str());
}

std::wstring textOf(HWND window) { return windowText(window); }

// Names for the prompts of a drawing made by the core alone.
class ScriptedUserInterface : public UserInterface {
public:
    explicit ScriptedUserInterface(std::vector<std::string> names) : names_(std::move(names)) {}
    std::string inputBox(const std::string&, const std::string&) override {
        return next_ < names_.size() ? names_[next_++] : std::string();
    }
    void messageBox(const std::string&, const std::string&) override {}

private:
    std::vector<std::string> names_;
    std::size_t next_ = 0;
};

// A start/stop seal-in (X01 start, X02 stop as a normally-closed contact,
// Y01 holding itself through its own contact), converted and saved.
void saveSealIn(const std::string& path) {
    ScriptedUserInterface ui({"X01", "X02", "Y01", "Y01"});
    Ladder ladder(ui);
    ladder.Form_Load();
    ladder.Form_Activate();
    for (int n : {1, 6, 9, 11, 3, 18, 11, 22, 13}) pressButton(ladder, n);
    check(saveDrawingFile(path, captureDrawing(ladder)).empty(), "the seal-in drawing saved: " + path);
}

class Run {
public:
    Run(AppFlow& flow, test::WindowDriver& driver, std::string exportDir)
        : flow_(flow), driver_(driver), exportDir_(std::move(exportDir)) {}

    void operator()() {
        login();
        MainWindow* main = nullptr;
        driver_.onUiThread([&] { main = flow_.mainWindow(); });
        check(main != nullptr, "the main window exists after the login");
        if (!main) return leaveAnyway();
        main_ = main;
        check(driver_.waitFor([&] { return ::IsWindowVisible(main_->hwnd()) != FALSE; }), "main window shown");
        check(!::IsWindowVisible(flow_.login().hwnd()), "login dialog hidden");
        check(textOf(main_->hwnd()) == wide(kProgramTitle), "main window caption");
        checkAgainstCore("after Form_Load");
        double factor = 1;
        driver_.onUiThread([&] { factor = main_->layoutFactor(); });
        checkPlaces(main_->hwnd(), mainFormControls(), [&](const ControlSpec& def) { return controlOfMain(def); },
                    factor);
        checkTabOrder();
        checkTooltips();
        zoom();  // ends at the actual size, whatever an earlier run left
        draw();
        smallScreen();
        convertAndEdit();
        checkList();
        saveAndOpenBack();
        simulateSealIn();
        exitQuestion();
        leave();
    }

private:
    void login() {
        LoginWindow& login = flow_.login();
        check(driver_.waitFor([&] { return ::IsWindowVisible(login.hwnd()) != FALSE; }), "login dialog shown");
        check(textOf(login.hwnd()) == wide(kLoginCaption), "login caption");
        HWND focused = nullptr;
        driver_.onUiThread([&] { focused = ::GetFocus(); });
        check(focused == login.txtUserName(), "the login dialog opens with the focus in txtUserName");
        // Alt+P: the label's access key moves the focus to the box after it.
        ::PostMessageW(login.txtUserName(), WM_SYSCHAR, L'p', static_cast<LPARAM>(1u << 29));
        driver_.onUiThread([] {});
        driver_.waitFor([&] {
            driver_.onUiThread([&] { focused = ::GetFocus(); });
            return focused == login.txtPassword();
        });
        check(focused == login.txtPassword(), "Alt+P moves the focus to txtPassword");
        ::SendMessageW(login.txtUserName(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kavel"));
        ::SendMessageW(login.txtPassword(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Qorvemtz"));
        driver_.click(login.cmdOK());
        HWND box = driver_.waitForMessageBox(wide(kLoginCaption));
        check(box != nullptr, "a wrong password is answered by a message box");
        if (box) {
            check(test::WindowDriver::messageText(box) == wide(kLoginFailedText), "login failure text");
            driver_.click(::GetDlgItem(box, IDOK));
        }
        check(driver_.waitFor([&] { return textOf(login.txtPassword()).empty(); }), "password emptied");
        check(textOf(login.txtUserName()) == L"kavel", "user name kept");
        check(::IsWindowVisible(login.hwnd()) != FALSE, "login dialog still shown");
        checkPlaces(login.hwnd(), loginControls(), [&](const ControlSpec& def) { return login.control(def.name); });
        ::SendMessageW(login.txtPassword(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"qorvemtz"));
        driver_.pressKey(login.txtPassword(), VK_RETURN);  // Enter in a text box presses cmdOK
    }

    // Every control stands where its table puts it, at the window's
    // resolution and layout scale.
    template <typename Find>
    void checkPlaces(HWND window, std::span<const ControlSpec> controls, Find find, double factor = 1) {
        const int dpi = static_cast<int>(::GetDpiForWindow(window));
        for (const ControlSpec& def : controls) {
            HWND control = find(def);
            if (!control || std::string(def.name) == "picIcon" || std::string(def.name) == "Picture1") continue;
            RECT r;
            ::GetWindowRect(control, &r);
            ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
            const PixelRect want = toPixels(scaled(def.place, factor), dpi);
            check(r.left == want.left && r.top == want.top && r.right - r.left == want.width &&
                      r.bottom - r.top == want.height,
                  std::string(def.name) + " stands at its place in twips");
        }
    }

    // Tab moves through the controls that can take the focus, in the table's
    // order.
    void checkTabOrder() {
        std::vector<HWND> expected;
        for (const ControlSpec* def : tabOrder(mainFormControls())) {
            HWND control = controlOfMain(*def);
            if (::IsWindowVisible(control) && ::IsWindowEnabled(control)) expected.push_back(control);
        }
        driver_.onUiThread([&] { ::SetFocus(expected.front()); });
        for (std::size_t i = 1; i <= expected.size(); ++i) {
            HWND focused = nullptr;
            driver_.onUiThread([&] { focused = ::GetFocus(); });
            driver_.pressKey(focused, VK_TAB);
            driver_.onUiThread([&] { focused = ::GetFocus(); });
            check(focused == expected[i % expected.size()], "Tab step " + std::to_string(i));
        }
    }

    HWND controlOfMain(const ControlSpec& def) const {
        const std::string name = def.name;
        if (name == "Picture1") return main_->Picture1();
        if (name == "Picture2") return main_->Picture2();
        if (name == "Label1") return main_->Label1();
        if (name == "Text1") return main_->Text1();
        return main_->Command(std::stoi(name.substr(7)));
    }

    // The prompt's own window, answered through its controls.
    void answerPrompt(const std::string& prompt, const std::wstring& reply, bool cancel = false) {
        HWND box = nullptr;
        driver_.waitFor([&] { return (box = driver_.findWindow(PromptWindow::kClassName, wide(kNamePromptTitle))); });
        check(box != nullptr, "name prompt shown for " + utf8(reply));
        if (!box) return;
        check(!::IsWindowEnabled(main_->hwnd()), "main window disabled behind the prompt");
        check(textOf(::GetDlgItem(box, PromptWindow::kPromptTextId)) == wide(prompt), "prompt text");
        check(textOf(::GetDlgItem(box, PromptWindow::kReplyId)).empty(), "prompt's default is empty");
        ::SendMessageW(::GetDlgItem(box, PromptWindow::kReplyId), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(reply.c_str()));
        driver_.click(::GetDlgItem(box, cancel ? IDCANCEL : IDOK));
    }

    void answerBadName() {
        HWND box = driver_.waitForMessageBox(wide(kProgramTitle));
        check(box != nullptr, "a wrong name is answered by a message box");
        if (!box) return;
        check(test::WindowDriver::messageText(box) == wide(kBadNameMessage), "wrong-name text");
        driver_.click(::GetDlgItem(box, IDOK));
    }

    void press(int n) { driver_.click(main_->Command(n)); }

    // Text1's whole text replaced as the user would: all selected, then typed over.
    void typeIntoText1(const std::wstring& text) {
        ::SendMessageW(main_->Text1(), EM_SETSEL, 0, -1);
        ::SendMessageW(main_->Text1(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // Each button with a tip in the core has it as its tooltip.
    void checkTooltips() {
        for (int n = 1; n <= 22; ++n) {
            std::string tip;
            driver_.onUiThread([&] { tip = main_->controller().buttonTip(n); });
            std::wstring shown(1024, L'\0');
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = main_->hwnd();
            tool.uId = reinterpret_cast<UINT_PTR>(main_->Command(n));
            tool.lpszText = shown.data();
            ::SendMessageW(main_->tooltips(), TTM_GETTEXTW, shown.size(), reinterpret_cast<LPARAM>(&tool));
            shown.resize(std::wcslen(shown.c_str()));
            check(shown == wide(tip), "Command" + std::to_string(n) + "'s tooltip: " + utf8(shown));
        }
    }

    void settle(const std::string& step) {
        check(driver_.waitFor([&] { return ::IsWindowEnabled(main_->hwnd()) != FALSE; }), step + ": window enabled");
        driver_.onUiThread([] {});
        checkAgainstCore(step);
    }

    void checkAgainstCore(const std::string& step) {
        std::string enabled, visible, coreEnabled, coreVisible, text1;
        std::vector<std::string> picture, shown;
        driver_.onUiThread([&] {
            coreEnabled = main_->controller().ladder().palette.enabledString();
            coreVisible = main_->controller().ladder().palette.visibleString();
            picture = main_->controller().ladder().picture;
            shown = main_->sheet().lines();
            text1 = main_->controller().ladder().Text1;
        });
        for (int n = 1; n <= 22; ++n) enabled += ::IsWindowEnabled(main_->Command(n)) ? '1' : '0';
        for (int n : {13, 14, 19, 20}) visible += ::IsWindowVisible(main_->Command(n)) ? '1' : '0';
        check(enabled == coreEnabled, step + ": enabled " + enabled + " core " + coreEnabled);
        check(visible == coreVisible, step + ": visible " + visible + " core " + coreVisible);
        check(shown == picture, step + ": Picture1 shows the lines Fresh printed");
        check(utf8(textOf(main_->Text1())) == text1, step + ": Text1 shows the core's text");
    }

    void draw() {
        press(1);  // the rail contact: a cancel, then a wrong name, then X01
        answerPrompt(kContactPrompt, L"X0", true);
        answerBadName();
        answerPrompt(kContactPrompt, L"X1");
        answerBadName();
        answerPrompt(kContactPrompt, L"X01");
        settle("Command1 X01");
        press(5);
        answerPrompt(kContactPrompt, L"X02");
        settle("Command5 X02");
        press(9);
        answerPrompt(kCoilPrompt, L"Y01");
        settle("Command9 Y01");
        int scrolledX = -1;
        driver_.onUiThread([&] { scrolledX = main_->sheet().scrollPosition().x; });
        check(scrolledX == 0, "placing a coil keeps the left rail in view");
        press(11);
        settle("Command11");
        press(2);
        answerPrompt(kContactPrompt, L"X03");
        settle("Command2 X03");
        press(9);
        answerPrompt(kCoilPrompt, L"Y02");
        settle("Command9 Y02");
        press(11);
        settle("Command11 again");
        press(22);
        settle("Command22");
        std::vector<std::string> picture;
        driver_.onUiThread([&] { picture = main_->sheet().lines(); });
        check(picture.size() >= 6 && picture[1].find("┣┫  ┣━━┥  ┝━") != std::string::npos,
              "row 2 of the sheet as drawn: " + (picture.size() > 1 ? picture[1] : std::string()));
    }

    // 查看 → 放大 makes the sheet's grid larger, 实际大小 gives it back.
    void zoom() {
        auto columnWidth = [&] {
            int width = 0;
            driver_.onUiThread([&] { width = main_->sheet().columnWidth(); });
            return width;
        };
        menu(MenuCommand::ActualSize);
        const int actual = columnWidth();
        menu(MenuCommand::ZoomIn);
        check(columnWidth() > actual, "放大 widens the sheet's columns");
        menu(MenuCommand::ActualSize);
        check(columnWidth() == actual, "实际大小 gives the columns their width back");
        // The wheel over the sheet: plain, it scrolls; with Ctrl, two half
        // notches make one step in.
        auto zoom = [&] {
            int percent = 0;
            driver_.onUiThread([&] { percent = main_->controller().zoom(); });
            return percent;
        };
        auto wheel = [&](WORD keys, short delta) {
            driver_.post(main_->Picture1(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)), 0);
        };
        wheel(0, WHEEL_DELTA);
        check(zoom() == kActualZoom, "the wheel alone does not zoom");
        wheel(MK_CONTROL, WHEEL_DELTA / 2);
        check(zoom() == kActualZoom, "half a notch does not zoom yet");
        wheel(MK_CONTROL, WHEEL_DELTA / 2);
        check(zoom() == zoomedIn(kActualZoom) && columnWidth() > actual, "Ctrl+wheel up zooms in a step");
        menu(MenuCommand::ActualSize);
        settle("zoomed back");
    }

    // On a work area smaller than the form, the scaled layout keeps the
    // right column inside the client area the window has there.
    void smallScreen() {
        const int dpi = static_cast<int>(::GetDpiForWindow(main_->hwnd()));
        const ScreenRoom room = MainWindow::roomIn({1024, 700}, dpi);
        const double factor = layoutScale(room);
        check(factor < 1, "a 1024 x 700 work area scales the layout down");
        driver_.onUiThread([&] { main_->layout(dpi, factor); });
        const RECT client{0, 0, room.workWidth - room.frameWidth, room.workHeight - room.frameHeight - room.menuHeight};
        for (HWND control : {main_->Command(13), main_->Command(14), main_->Text1(), main_->Picture2()}) {
            RECT r;
            ::GetWindowRect(control, &r);
            ::MapWindowPoints(HWND_DESKTOP, main_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
            check(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom,
                  "inside a small screen's client area: " + utf8(textOf(control)));
        }
        driver_.onUiThread([&] { main_->fitToScreen(); });
    }

    void convertAndEdit() {
        press(13);
        settle("Command13");
        const std::wstring list = L"LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n";
        check(textOf(main_->Text1()) == list, "Text1 holds the typical run's list");
        std::string statementList;
        driver_.onUiThread([&] {
            statementList = main_->controller().ladder().StatementList;
            main_->controller().ladder().exportDir = exportDir_;
        });
        check(wide(statementList) == list, "the core's list is the one shown");

        const std::wstring edited = list + L"输出 Y03\r\n";
        typeIntoText1(edited);
        press(19);
        driver_.onUiThread([] {});
        if (HWND box = driver_.findWindow(L"#32770", wide(kProgramTitle))) {
            check(false, "the export failed: " + utf8(test::WindowDriver::messageText(box)));
            driver_.click(::GetDlgItem(box, IDOK));
        }
        std::string coreText1;
        driver_.onUiThread([&] { coreText1 = main_->controller().ladder().Text1; });
        check(coreText1 == utf8(edited), "the export takes the user's edits of Text1");
        std::ifstream file(std::filesystem::path(wide(exportFilePath(exportDir_))), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        const auto expected = toGb18030(exportedText(utf8(edited)));
        check(expected && bytes == *expected,
              "the exported file holds the edited list in GB18030: " + exportFilePath(exportDir_));
        checkAgainstCore("Command19");
    }

    // 重新编辑, then a contact: a change not yet saved.
    void redrawSomething(const std::string& when) {
        press(12);
        settle("Command12 " + when);
        press(1);
        answerPrompt(kContactPrompt, L"X05");
        settle("Command1 X05 " + when);
    }

    void menu(MenuCommand command) {
        driver_.post(main_->hwnd(), WM_COMMAND, static_cast<WPARAM>(menuId(command)), 0);
    }

    // 校验语句表 (F7) answers in a message box, as the core's check says.
    std::wstring checkAnswer() {
        driver_.pressKey(main_->hwnd(), VK_F7);
        HWND box = driver_.waitForMessageBox(wide(kProgramTitle));
        check(box != nullptr, "the check answers in a message box");
        if (!box) return {};
        const std::wstring text = test::WindowDriver::messageText(box);
        driver_.click(::GetDlgItem(box, IDOK));
        settle("after the check");
        return text;
    }

    void checkList() {
        // Text1 holds the exported, edited list: its last line is no instruction.
        ListVerdict verdict;
        driver_.onUiThread([&] { verdict = checkText1(main_->controller().ladder()); });
        check(verdict.kind == ListVerdict::Kind::Line, "the edited list breaks at a line");
        check(checkAnswer() == wide(verdictMessage(verdict)), "the check's message for a wrong list");
        const std::wstring list = L"LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n";
        typeIntoText1(list);
        check(checkAnswer() == wide(verdictMessage(ListVerdict{})), "the check's message for the right list");
    }

    // The common file dialog with this title: the file name typed, then OK.
    void answerFileDialog(const char* title, const std::string& path) {
        HWND box = driver_.waitForMessageBox(wide(title));
        check(box != nullptr, std::string("the file dialog ") + title + " shown");
        if (!box) return;
        const std::wstring name = wide(path);
        for (int id : {cmb13, edt1})
            if (HWND field = ::GetDlgItem(box, id))
                ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        driver_.click(::GetDlgItem(box, IDOK));
        check(driver_.waitFor([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }),
              std::string("the file dialog ") + title + " closed");
    }

    // The save question: its text and buttons, then the answer.
    void answerSaveQuestion(int answer) {
        HWND box = nullptr;
        driver_.waitFor([&] { return (box = driver_.findWindow(SaveQuestionWindow::kClassName, wide(kProgramTitle))); });
        check(box != nullptr, "the save question shown");
        if (!box) return;
        check(textOf(::GetDlgItem(box, SaveQuestionWindow::kQuestionId)) == wide(kSaveChangesQuestion),
              "the save question's text");
        check(textOf(::GetDlgItem(box, IDYES)) == wide(kAnswerSave) &&
                  textOf(::GetDlgItem(box, IDNO)) == wide(kAnswerDontSave) &&
                  textOf(::GetDlgItem(box, IDCANCEL)) == wide(kAnswerCancel),
              "the save question's buttons");
        check(!::IsWindowEnabled(main_->hwnd()), "main window disabled behind the save question");
        driver_.click(::GetDlgItem(box, answer));
    }

    std::string caption() { return utf8(textOf(main_->hwnd())); }
    std::string coreCaption() {
        std::string text;
        driver_.onUiThread([&] { text = main_->controller().document().caption(main_->controller().ladder()); });
        return text;
    }

    void saveAndOpenBack() {
        const std::string path = exportDir_ + "\\typical.lad";
        std::filesystem::remove(std::filesystem::path(wide(path)));
        menu(MenuCommand::SaveDrawing);  // no file yet: asks for one
        answerFileDialog(kSaveDrawingTitle, path);
        settle("saved");
        check(std::filesystem::exists(std::filesystem::path(wide(path))), "the drawing saved to " + path);
        check(caption() == coreCaption() && caption().find("typical.lad") != std::string::npos &&
                  caption().find(kUnsavedMark) == std::string::npos,
              "the caption names the saved file: " + caption());
        std::vector<std::string> picture;
        std::string text1, enabled;
        driver_.onUiThread([&] {
            picture = main_->controller().ladder().picture;
            text1 = main_->controller().ladder().Text1;
            enabled = main_->controller().ladder().palette.enabledString();
        });
        redrawSomething("after the save");
        check(caption() == coreCaption() && caption().find(kUnsavedMark) != std::string::npos,
              "the caption marks the change: " + caption());
        menu(MenuCommand::OpenDrawing);
        answerSaveQuestion(IDNO);
        answerFileDialog(kOpenDrawingTitle, path);
        settle("opened back");
        std::vector<std::string> openedPicture;
        std::string openedText1, openedEnabled;
        driver_.onUiThread([&] {
            openedPicture = main_->controller().ladder().picture;
            openedText1 = main_->controller().ladder().Text1;
            openedEnabled = main_->controller().ladder().palette.enabledString();
        });
        check(openedPicture == picture && openedText1 == text1 && openedEnabled == enabled,
              "the drawing opened back is the one saved, not the re-edit");
        check(caption() == coreCaption() && caption().find(kUnsavedMark) == std::string::npos,
              "no mark after the open: " + caption());
        // Nothing changed since: 打开图纸 goes straight to its dialog.
        menu(MenuCommand::OpenDrawing);
        HWND box = driver_.waitForMessageBox(wide(kOpenDrawingTitle));
        check(box != nullptr && !driver_.findWindow(SaveQuestionWindow::kClassName, wide(kProgramTitle)),
              "no question before opening when nothing changed");
        if (box) driver_.click(::GetDlgItem(box, IDCANCEL));
        settle("open cancelled");
    }

    void simulateSealIn() {
        const std::string path = exportDir_ + "\\seal-in.lad";
        saveSealIn(path);
        bool opened = false;
        driver_.onUiThread([&] { opened = main_->controller().openFile(path); });
        check(opened, "the seal-in drawing opens");
        settle("seal-in opened");
        driver_.pressKey(main_->hwnd(), VK_F5);  // 开始仿真
        DeviceTableWindow* table = nullptr;
        driver_.onUiThread([&] { table = main_->deviceTable(); });
        check(table && ::IsWindowVisible(table->hwnd()), "the device table shown beside the main window");
        if (!table) return;
        RECT frame, beside;
        ::GetWindowRect(main_->hwnd(), &frame);
        ::GetWindowRect(table->hwnd(), &beside);
        check(::IsWindowEnabled(main_->hwnd()) != FALSE, "the device table is not modal");
        int x01 = -1, x02 = -1, y01 = -1;
        driver_.onUiThread([&] {
            Simulation& sim = main_->controller().simulation().simulation();
            x01 = sim.deviceOf("X01");
            x02 = sim.deviceOf("X02");
            y01 = sim.deviceOf("Y01");
        });
        check(table->inputSwitch(x01) && table->inputSwitch(x02) && table->lamp(y01), "switches and lamp");
        if (!table->inputSwitch(x01) || !table->inputSwitch(x02) || !table->lamp(y01)) return;
        auto scan = [&] { driver_.click(table->control(DeviceTableWindow::kOneScanId)); };
        auto lampOn = [&] {
            bool on = false;
            driver_.onUiThread([&] { on = table->lampOn(y01); });
            return on;
        };
        auto pulledInOnSheet = [&] {
            bool any = false;
            driver_.onUiThread([&] {
                for (const MarkShape& m : main_->sheet().marks()) any = any || m.kind == ShapeKind::CoilBody;
            });
            return any;
        };
        scan();
        check(!lampOn() && !pulledInOnSheet(), "power-on: Y01 off");
        // Start pressed: a click on X01's contact in Picture1.
        POINT at{-1, -1};
        driver_.onUiThread([&] {
            const Ladder& ladder = main_->controller().ladder();
            Simulation& sim = main_->controller().simulation().simulation();
            const SheetWindow& sheet = main_->sheet();
            for (int c = 0; c < 200 && at.x < 0; ++c) {
                const int col = cellAtDisplayColumn(ladder, 2, c);
                if (col >= 0 && sim.contactDeviceAt(2, col) == x01)
                    at = {sheet.padding() + sheet.columnX(c) + 1 - sheet.scrollPosition().x,
                          sheet.padding() + sheet.lineHeight() + sheet.lineHeight() / 2 - sheet.scrollPosition().y};
            }
        });
        check(at.x >= 0, "X01's contact found on the sheet");
        driver_.post(main_->Picture1(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        driver_.post(main_->Picture1(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        bool x01On = false;
        driver_.onUiThread([&] { x01On = main_->controller().simulation().simulation().value(x01); });
        check(x01On, "a click on X01's contact switches it on");
        scan();
        check(lampOn() && pulledInOnSheet(), "start: Y01 pulls in, on the sheet too");
        check(textOf(table->inputSwitch(x01)) == wide(inputSwitchText("X01", true)), "X01's switch shows it on");
        driver_.click(table->inputSwitch(x01));  // start released
        scan();
        scan();
        check(lampOn(), "start released: Y01 holds through its own contact");
        driver_.click(table->inputSwitch(x02));  // stop pressed
        scan();
        check(!lampOn(), "stop: Y01 drops");
        long scans = 0;
        driver_.onUiThread([&] { scans = main_->controller().simulation().simulation().scans(); });
        check(scans == 5 && textOf(table->control(DeviceTableWindow::kCounterId)) == wide(scanCounterText(5)),
              "the scan counter counts the scans");
        UINT stopState = 0;
        driver_.onUiThread([&] { stopState = ::GetMenuState(::GetMenu(main_->hwnd()), menuId(MenuCommand::StopSimulation), MF_BYCOMMAND); });
        check(!(stopState & MF_GRAYED), "停止仿真 enabled while running");
        driver_.click(table->control(DeviceTableWindow::kStopId));
        bool running = true;
        driver_.onUiThread([&] {
            running = main_->controller().simulation().running();
            stopState = ::GetMenuState(::GetMenu(main_->hwnd()), menuId(MenuCommand::StopSimulation), MF_BYCOMMAND);
        });
        check(!running && !::IsWindowVisible(table->hwnd()), "stop ends the simulation and hides the table");
        check(main_->sheet().marks().empty(), "the sheet plain again after stop");
        check((stopState & MF_GRAYED) != 0, "停止仿真 greyed once stopped");
        settle("simulation stopped");
    }

    // The question when leaving with changes: cancel stays, save saves and leaves.
    void exitQuestion() {
        redrawSomething("before leaving");
        int ended = 0;
        driver_.onUiThread([&] { ended = endedCount ? *endedCount : 0; });
        driver_.post(main_->hwnd(), WM_CLOSE, 0, 0);
        answerSaveQuestion(IDCANCEL);
        settle("closing cancelled");
        int endedNow = 0;
        driver_.onUiThread([&] { endedNow = endedCount ? *endedCount : 0; });
        check(::IsWindowVisible(main_->hwnd()) && endedNow == ended, "取消 keeps the main window");
        pendingSave_ = true;
    }

    void leave() {
        press(::IsWindowVisible(main_->Command(20)) ? 20 : 14);
        if (pendingSave_) {
            answerSaveQuestion(IDYES);
            std::string caption;
            bool unsaved = true;
            driver_.waitFor([&] { return main_->aboutWindow() != nullptr; });
            driver_.onUiThread([&] { unsaved = main_->controller().document().hasUnsavedChanges(main_->controller().ladder()); });
            check(!unsaved, "保存 saved the drawing before leaving");
            DrawingLoad load = loadDrawingFile(exportDir_ + "\\seal-in.lad");
            bool same = false;
            driver_.onUiThread([&] { same = load.drawing && sameDrawing(main_->controller().ladder(), *load.drawing); });
            check(same, "the file holds the drawing as it was left");
        }
        AboutWindow* about = nullptr;
        driver_.waitFor([&] {
            driver_.onUiThread([&] { about = main_->aboutWindow(); });
            return about && ::IsWindowVisible(about->hwnd());
        });
        check(about != nullptr, "the about box exists after 退出");
        if (!about) return leaveAnyway();
        check(!::IsWindowVisible(main_->hwnd()), "main window hidden behind the about box");
        check(textOf(about->hwnd()) == wide(kAboutCaption), "about caption");
        check(::IsWindowEnabled(about->cmdSysInfo()) != FALSE, "系统信息 enabled");
        checkPlaces(about->hwnd(), aboutControls(), [&](const ControlSpec& def) { return about->control(def.name); });
        driver_.click(about->cmdOK());
    }

    void leaveAnyway() { ::PostThreadMessageW(uiThread, WM_QUIT, 0, 0); }

public:
    DWORD uiThread = 0;
    const int* endedCount = nullptr;

private:
    AppFlow& flow_;
    test::WindowDriver& driver_;
    MainWindow* main_ = nullptr;
    std::string exportDir_;
    bool pendingSave_ = false;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::filesystem::path folder = argc > 1 ? std::filesystem::path(argv[1])
                                                  : std::filesystem::temp_directory_path() / L"ladderpad-window-test";
    std::filesystem::create_directories(folder);
    std::filesystem::remove(folder / std::filesystem::path(wide(kExportFileName)));

    test::WindowDriver driver;
    AppFlow flow;
    int ended = 0;
    flow.endProgram = [&] {
        ++ended;
        lp::win::endProgram();
    };
    flow.start();
    Run run(flow, driver, utf8(folder.wstring()));
    run.uiThread = ::GetCurrentThreadId();
    run.endedCount = &ended;
    std::thread steps([&] { run(); });
    lp::win::runMessageLoop();
    steps.join();
    check(ended == 1, "the about box's OK ends the program once");
    std::fprintf(stderr, "%d of %d checks failed\n", failures, checks);
    return failures ? 1 : 0;
}
