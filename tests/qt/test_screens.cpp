// The window on the screen it is on: the whole layout inside the work area
// (scaled down where the screen is small, untouched where it fits), a sheet
// that keeps its left rail in view, its zoom, and a device table that leaves
// the palette, Text1 and the bottom row in sight. Run on a large screen and
// on a small one.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "DeviceTableWindow.h"
#include "MainWindow.h"
#include "SheetView.h"
#include "UiTestSupport.h"
#include "app/MainForm.h"

using namespace lp;

class ScreensTest : public QObject {
    Q_OBJECT

    struct Window {
        MainWindow w;
        test::Answers answers;
        test::MessageLog log;
        Window() {
            w.userInterface().askText = answers.function();
            w.userInterface().showMessage = log.function();
            w.leaveProgram = [] {};
            w.showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.fitToScreen();
        }
        QRect globalRect(const QWidget* control) const {
            return QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
        }
    };

private slots:
    void theWholeLayoutIsInsideTheWorkArea() {
        Window t;
        const QRect work = t.w.screen()->availableGeometry();
        for (const ControlSpec& def : mainFormControls()) {
            if (std::string_view(def.name) == "Picture1") continue;  // docked: as high as the window
            const QWidget* control = t.w.findChild<QWidget*>(QString::fromLatin1(def.name));
            QVERIFY(control);
            QVERIFY2(work.contains(t.globalRect(control)), def.name);
        }
        // Text1 under the palette, the bottom row under Text1.
        QVERIFY(t.globalRect(t.w.Text1()).top() >= t.globalRect(t.w.Picture2()).bottom());
        QVERIFY(t.globalRect(t.w.Command(13)).top() >= t.globalRect(t.w.Text1()).bottom());
        // Where the layout fits, nothing moves.
        if (work.height() >= 900) {
            QCOMPARE(t.w.layoutFactor(), 1.0);
            QCOMPARE(t.w.Command(13)->geometry(), QRect(768, 680, 113, 33));
        } else {
            QVERIFY(t.w.layoutFactor() < 1.0);
        }
    }

    void placingACoilKeepsTheLeftRailInView() {
        Window t;
        t.answers.replies << "X01" << "Y01";
        for (int n : {1, 9}) QTest::mouseClick(t.w.Command(n), Qt::LeftButton);
        QCOMPARE(t.w.Picture1()->horizontalScrollBar()->value(), 0);
        QVERIFY(t.w.Picture1()->contentSize().width() <= t.w.Picture1()->viewport()->width());
    }

    void zoomGrowsAndShrinksTheSheet() {
        Window t;
        const double actual = t.w.Picture1()->columnWidth();
        t.w.menuAction(MenuCommand::ZoomIn)->trigger();
        QVERIFY(t.w.Picture1()->columnWidth() > actual);
        // Ctrl with the wheel turned towards the user: three steps smaller.
        QWheelEvent wheel(QPointF(50, 50), t.w.Picture1()->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, -360), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(t.w.Picture1()->viewport(), &wheel);
        QVERIFY(t.w.Picture1()->columnWidth() < actual);
        QCOMPARE(t.w.controller().zoom(), 80);
        t.w.menuAction(MenuCommand::ActualSize)->trigger();
        QCOMPARE(t.w.Picture1()->columnWidth(), actual);
    }

    void theDeviceTableLeavesThePaletteInSight() {
        Window t;
        t.answers.replies << "X01" << "Y01";
        for (int n : {1, 9, 11, 22, 13}) QTest::mouseClick(t.w.Command(n), Qt::LeftButton);
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        QVERIFY(t.w.deviceTable() && t.w.deviceTable()->isVisible());
        const QRect table = t.w.deviceTable()->frameGeometry();
        QVERIFY(t.w.screen()->availableGeometry().contains(table));
        for (const QWidget* control : {static_cast<QWidget*>(t.w.Picture2()), static_cast<QWidget*>(t.w.Text1()),
                                       static_cast<QWidget*>(t.w.Command(19)), static_cast<QWidget*>(t.w.Command(20))})
            QVERIFY2(!table.intersects(t.globalRect(control)), qPrintable(control->objectName()));
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
