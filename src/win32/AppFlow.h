#pragma once
// The run's windows in their order: the login dialog first; on a matching
// login the main window, opened maximized; its exit buttons lead to the
// about box, whose OK ends the program. A drawing named on the command line
// opens once the main window is shown.
#include <functional>
#include <memory>
#include <string>

namespace lp::win {

class LoginWindow;
class MainWindow;

class AppFlow {
public:
    AppFlow();
    ~AppFlow();

    // Shows the login dialog at the centre of the screen.
    void start();

    LoginWindow& login() { return *login_; }
    // The main window, once the login has made it.
    MainWindow* mainWindow() const { return main_.get(); }

    // A drawing to open right after a successful login (UTF-8; the
    // program's command line), or "".
    std::string drawingToOpen;

    // Ends the program; every window's way out comes here.
    std::function<void()> endProgram;

private:
    void openMainWindow();

    std::unique_ptr<LoginWindow> login_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace lp::win
