#pragma once
// The run's windows in their order: the login dialog first; on a matching
// login the main window, opened maximized; its exit buttons lead to the
// about box, whose OK ends the program.
#include <functional>
#include <memory>
#include <string>
#include <QObject>

namespace lp {

class LoginDialog;
class MainWindow;

class AppFlow : public QObject {
    Q_OBJECT
public:
    AppFlow();
    ~AppFlow() override;

    // Shows the login dialog at the centre of the screen.
    void start();

    LoginDialog& login() { return *login_; }
    // The main window, once the login has made it.
    MainWindow* mainWindow() const { return main_.get(); }

    // Ends the program; every window's way out comes here.
    std::function<void()> endProgram;

    // A drawing file to open once the login has shown the main window
    // (UTF-8; "" for none).
    std::string drawingToOpen;

private:
    void openMainWindow();

    std::unique_ptr<LoginDialog> login_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace lp
