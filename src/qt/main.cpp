// LadderPad: draw a relay ladder diagram and translate it into an
// instruction list.
//   ladderpad [FILE.lad]   opens the drawing FILE.lad after a successful login
//   ladderpad --version    prints the version and the licence
//   ladderpad --export DRAWING.lad OUT.png|OUT.svg|OUT.pdf
//                          writes the drawing's picture, with no window
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <QStringList>

#include "AppFlow.h"
#include "FontSetup.h"
#include "PictureExportRun.h"
#include "app/VersionText.h"

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs(lp::versionText("ladderpad").c_str(), stdout);
        return 0;
    }
    const bool exporting = argc > 1 && std::strcmp(argv[1], "--export") == 0;
    if (exporting && argc != 4) {
        std::fputs("usage: ladderpad --export DRAWING.lad OUT.png|OUT.svg|OUT.pdf\n", stderr);
        return 1;
    }
    // No window appears: the fonts and the painter need no screen.
    if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LadderPad"));
    // Every way out of the program is explicit; a hidden window must not
    // end it, and neither must closing the last visible one before its turn.
    QApplication::setQuitOnLastWindowClosed(false);
    lp::installFontSubstitutions();
    if (exporting) {
        const QStringList args = QApplication::arguments();
        return lp::exportPictureAndExit(args.at(2), args.at(3));
    }

    lp::AppFlow flow;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) flow.drawingToOpen = args.at(1).toStdString();
    flow.start();
    return app.exec();
}
