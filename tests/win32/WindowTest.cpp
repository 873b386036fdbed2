// The Windows windows as a user meets them, driven through their messages:
// log in (a wrong password first), draw the typical run with every name
// typed into the prompt's own edit box (a wrong name and a cancel among
// them), convert, edit Text1, export, and leave through the about box. After
// each step the windows' states are checked against the core's.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "AboutWindow.h"
#include "AppFlow.h"
#include "LoginWindow.h"
#include "MainWindow.h"
#include "ModalLoop.h"
#include "PromptWindow.h"
#include "SheetWindow.h"
#include "WideText.h"
#include "WindowDriver.h"
#include "app/AboutForm.h"
#include "app/LoginForm.h"
#include "app/MainForm.h"
#include "app/Login.h"
#include "app/SysInfo.h"
#include "editor/NamePrompt.h"
#include "statement/ExportDir.h"
#include "statement/ExportText.h"
#include "statement/Gb18030.h"

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
        checkPlaces(main_->hwnd(), mainFormControls(), [&](const ControlSpec& spec) { return controlOfMain(spec); });
        checkTabOrder();
        draw();
        convertAndEdit();
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
        checkPlaces(login.hwnd(), loginControls(), [&](const ControlSpec& spec) { return login.control(spec.name); });
        ::SendMessageW(login.txtPassword(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"qorvemtz"));
        driver_.pressKey(login.txtPassword(), VK_RETURN);  // Enter in a text box presses cmdOK
    }

    // Every control stands where its table puts it, at the window's resolution.
    template <typename Find>
    void checkPlaces(HWND window, std::span<const ControlSpec> controls, Find find) {
        const int dpi = static_cast<int>(::GetDpiForWindow(window));
        for (const ControlSpec& spec : controls) {
            HWND control = find(spec);
            if (!control || std::string(spec.name) == "picIcon" || std::string(spec.name) == "Picture1") continue;
            RECT r;
            ::GetWindowRect(control, &r);
            ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
            const PixelRect want = toPixels(spec.place, dpi);
            check(r.left == want.left && r.top == want.top && r.right - r.left == want.width &&
                      r.bottom - r.top == want.height,
                  std::string(spec.name) + " stands at its place in twips");
        }
    }

    // Tab moves through the controls that can take the focus, in the table's
    // order.
    void checkTabOrder() {
        std::vector<HWND> expected;
        for (const ControlSpec* spec : tabOrder(mainFormControls())) {
            HWND control = controlOfMain(*spec);
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

    HWND controlOfMain(const ControlSpec& spec) const {
        const std::string name = spec.name;
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

    void settle(const std::string& step) {
        check(driver_.waitFor([&] { return ::IsWindowEnabled(main_->hwnd()) != FALSE; }), step + ": window enabled");
        driver_.onUiThread([] {});
        checkAgainstCore(step);
    }

    void checkAgainstCore(const std::string& step) {
        std::string enabled, visible, coreEnabled, coreVisible, text1;
        std::vector<std::string> picture, shown;
        driver_.onUiThread([&] {
            coreEnabled = main_->ladder().palette.enabledString();
            coreVisible = main_->ladder().palette.visibleString();
            picture = main_->ladder().picture;
            shown = main_->sheet().lines();
            text1 = main_->ladder().Text1;
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

    void convertAndEdit() {
        press(13);
        settle("Command13");
        const std::wstring list = L"LD  X01\r\nAND X02\r\nOUT Y01\r\nLDI X03\r\nOUT Y02\r\nEND\r\n";
        check(textOf(main_->Text1()) == list, "Text1 holds the typical run's list");
        std::string statementList;
        driver_.onUiThread([&] {
            statementList = main_->ladder().StatementList;
            main_->ladder().exportDir = exportDir_;
        });
        check(wide(statementList) == list, "the core's list is the one shown");

        const std::wstring edited = list + L"输出 Y03\r\n";
        ::SendMessageW(main_->Text1(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(edited.c_str()));
        press(19);
        driver_.onUiThread([] {});
        if (HWND box = driver_.findWindow(L"#32770", wide(kProgramTitle))) {
            check(false, "the export failed: " + utf8(test::WindowDriver::messageText(box)));
            driver_.click(::GetDlgItem(box, IDOK));
        }
        std::string coreText1;
        driver_.onUiThread([&] { coreText1 = main_->ladder().Text1; });
        check(coreText1 == utf8(edited), "the export takes the user's edits of Text1");
        std::ifstream file(std::filesystem::path(wide(exportFilePath(exportDir_))), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        const auto expected = toGb18030(exportedText(utf8(edited)));
        check(expected && bytes == *expected,
              "the exported file holds the edited list in GB18030: " + exportFilePath(exportDir_));
        checkAgainstCore("Command19");
    }

    void leave() {
        press(20);
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
        checkPlaces(about->hwnd(), aboutControls(), [&](const ControlSpec& spec) { return about->control(spec.name); });
        driver_.click(about->cmdOK());
    }

    void leaveAnyway() { ::PostThreadMessageW(uiThread, WM_QUIT, 0, 0); }

public:
    DWORD uiThread = 0;

private:
    AppFlow& flow_;
    test::WindowDriver& driver_;
    MainWindow* main_ = nullptr;
    std::string exportDir_;
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
    std::thread steps([&] { run(); });
    lp::win::runMessageLoop();
    steps.join();
    check(ended == 1, "the about box's OK ends the program once");
    std::fprintf(stderr, "%d of %d checks failed\n", failures, checks);
    return failures ? 1 : 0;
}
