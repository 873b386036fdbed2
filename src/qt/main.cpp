// LadderPad: draw a relay ladder diagram and translate it into an
// instruction list.
//   ladderpad [FILE.lad]   opens the drawing FILE.lad after a successful login
//   ladderpad --version    prints the version and the licence
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <QStringList>

#include "AppFlow.h"
#include "FontSetup.h"
#include "app/VersionText.h"

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs(lp::versionText("ladderpad").c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LadderPad"));
    // Every way out of the program is explicit; a hidden window must not
    // end it, and neither must closing the last visible one before its turn.
    QApplication::setQuitOnLastWindowClosed(false);
    lp::installFontSubstitutions();

    lp::AppFlow flow;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) flow.drawingToOpen = args.at(1).toStdString();
    flow.start();
    return app.exec();
}
