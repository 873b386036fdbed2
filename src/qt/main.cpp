// LadderPad: draw a relay ladder diagram and translate it into an
// instruction list.
//   ladderpad [FILE.lad]   opens the drawing FILE.lad after a successful login
#include <QApplication>
#include <QStringList>

#include "AppFlow.h"
#include "FontSetup.h"

int main(int argc, char* argv[]) {
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
