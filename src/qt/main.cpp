// LadderPad: draw a relay ladder diagram and translate it into an
// instruction list.
#include <QApplication>

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
    flow.start();
    return app.exec();
}
