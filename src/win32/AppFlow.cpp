#include "AppFlow.h"

#include "LoginWindow.h"
#include "MainWindow.h"
#include "ModalLoop.h"

namespace lp::win {

AppFlow::AppFlow() : login_(std::make_unique<LoginWindow>()) {
    endProgram = [] { lp::win::endProgram(); };
    login_->endProgram = [this] { endProgram(); };
    login_->loggedIn = [this] { openMainWindow(); };
}

AppFlow::~AppFlow() = default;

void AppFlow::start() { login_->show(); }

void AppFlow::openMainWindow() {
    if (!main_) {
        main_ = std::make_unique<MainWindow>();
        main_->onEndProgram = [this] { endProgram(); };
    }
    main_->show();
    if (!drawingToOpen.empty()) {
        const std::string path = drawingToOpen;
        drawingToOpen.clear();
        main_->controller().openFile(path);
    }
}

}  // namespace lp::win
