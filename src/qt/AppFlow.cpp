#include "AppFlow.h"

#include <QCoreApplication>
#include <QTimer>

#include "LoginDialog.h"
#include "MainWindow.h"
#include "Placement.h"

namespace lp {

AppFlow::AppFlow() : login_(std::make_unique<LoginDialog>()) {
    endProgram = [] { QCoreApplication::quit(); };
    login_->endProgram = [this] { endProgram(); };
    connect(login_.get(), &LoginDialog::loggedIn, this, &AppFlow::openMainWindow);
}

AppFlow::~AppFlow() = default;

void AppFlow::start() {
    centreOnScreen(*login_);
    login_->show();
}

void AppFlow::openMainWindow() {
    if (!main_) {
        main_ = std::make_unique<MainWindow>();
        main_->leaveProgram = [this] { endProgram(); };
    }
    main_->showMaximized();
    if (!drawingToOpen.empty()) {
        const std::string path = drawingToOpen;
        drawingToOpen.clear();
        // Once the window is on the screen, so that a refusal shows over it.
        QTimer::singleShot(0, main_.get(), [this, path] { main_->controller().openFile(path); });
    }
}

}  // namespace lp
