// ladderpad-startup-probe --login | --full-sheet
// Starts exactly as the program does (application object, font
// substitutions, the login dialog centred on the screen) and reports, on
// standard output:
//   --login       shown_ns=<CLOCK_REALTIME at the login dialog's first paint>
//                 peak_kb=<peak resident memory then>, and ends.
//   --full-sheet  logs in, draws the largest sheet in the maximized main
//                 window, converts it, and reports rss_kb= and peak_kb=.
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <deque>
#include <fstream>
#include <string>

#include "AppFlow.h"
#include "FontSetup.h"
#include "FullSheet.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "SheetView.h"

namespace {

long long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stoll(line.substr(std::string(key).size()));
    return -1;
}

class FirstPaint : public QObject {
public:
    std::function<void()> then;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then) {
            auto run = std::move(then);
            then = nullptr;
            QTimer::singleShot(0, this, run);  // once the paint is done
        }
        return QObject::eventFilter(watched, event);
    }
};

void drawFullSheet(lp::MainWindow& window) {
    auto replies = std::make_shared<std::deque<QString>>();
    window.userInterface().askText = [replies](const QString&, const QString&, const QString&) {
        QString r = replies->empty() ? QStringLiteral("X99") : replies->front();
        if (!replies->empty()) replies->pop_front();
        return r;
    };
    window.userInterface().showMessage = [](const QString&, const QString&) {};
    for (const lp::bench::SheetStep& step : lp::bench::fullSheetSteps()) {
        if (!step.reply.empty()) replies->push_back(QString::fromStdString(step.reply));
        window.controller().click(step.button);
    }
    window.controller().click(13);
    window.repaint();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "--login";
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LadderPad"));
    QApplication::setQuitOnLastWindowClosed(false);
    lp::installFontSubstitutions();

    lp::AppFlow flow;
    FirstPaint watcher;
    flow.login().installEventFilter(&watcher);
    watcher.then = [&] {
        timespec t;
        clock_gettime(CLOCK_REALTIME, &t);
        const long long shown = static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
        if (mode == "--full-sheet") {
            flow.login().txtUserName()->setText(QStringLiteral("kavel"));
            flow.login().txtPassword()->setText(QStringLiteral("qorvemtz"));
            flow.login().cmdOK_Click();
            if (!flow.mainWindow()) {
                std::fprintf(stderr, "the login did not open the main window\n");
                QCoreApplication::exit(1);
                return;
            }
            QCoreApplication::processEvents();
            drawFullSheet(*flow.mainWindow());
            QCoreApplication::processEvents();
            std::printf("rss_kb=%lld\npeak_kb=%lld\n", statusKb("VmRSS:"), statusKb("VmHWM:"));
        } else {
            std::printf("shown_ns=%lld\npeak_kb=%lld\n", shown, statusKb("VmHWM:"));
        }
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };
    flow.start();
    return app.exec();
}
