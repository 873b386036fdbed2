// The 运行 menu in the main window: its items enabled when they can act,
// the check's message box, the simulation with its device table, the power
// flow on the sheet view, step mode in Text1, and the edits that end it.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include "DeviceTableWindow.h"
#include "FontSetup.h"
#include "MainWindow.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "SheetView.h"
#include "UiTestSupport.h"
#include "simulation/CellPower.h"

using namespace lp;
using lp::test::Answers;
using lp::test::MessageLog;

namespace {

struct Window {
    MainWindow w;
    Answers answers;
    MessageLog log;
    Window() {
        w.userInterface().askText = answers.function();
        w.userInterface().showMessage = log.function();
        w.leaveProgram = [] {};
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    // The seal-in: X01 start, normally-closed X02 stop, Y01 holding itself.
    void drawSealIn() {
        answers.replies << "X01" << "X02" << "Y01" << "Y01";
        for (int n : {1, 6, 9, 11, 3, 18, 11, 22, 13}) w.controller().click(n);
    }
    QString enabledRunItems() const {
        QString s;
        for (MenuCommand c : {MenuCommand::CheckList, MenuCommand::StartSimulation, MenuCommand::StepSimulation,
                              MenuCommand::StopSimulation})
            s += w.menuAction(c)->isEnabled() ? '1' : '0';
        return s;
    }
    // Whether a shape of this kind and colour covers display column `column` of printed line `line`.
    bool marked(int line, int column, ShapeKind kind, Rgb colour) const {
        for (const MarkShape& m : w.Picture1()->marks())
            if (m.line == line && column >= m.column && column < m.column + m.width && m.kind == kind &&
                m.colour == colour)
                return true;
        return false;
    }
    QLabel* lampOf(const char* name) const { return w.deviceTable()->findChild<QLabel*>(QStringLiteral("Lamp_") + name); }
    QPushButton* switchOf(const char* name) const {
        return w.deviceTable()->findChild<QPushButton*>(QStringLiteral("Input_") + name);
    }
};

// Display columns of the cells of the seal-in's graphics row 2: the rail
// contact X01 covers cells 1..5 (columns 2..11), its gap is cell 3.
constexpr int kX01Gap = 6;      // display column of cell 3
constexpr int kCoilBody = 106;  // display column of cell 53

}  // namespace

class SimulationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void runItemsAreEnabledWhenTheyCanAct() {
        Window t;
        QCOMPARE(t.enabledRunItems(), QStringLiteral("0000"));  // Text1 empty
        t.drawSealIn();
        QCOMPARE(t.enabledRunItems(), QStringLiteral("1110"));
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        QCOMPARE(t.enabledRunItems(), QStringLiteral("1011"));
        t.w.menuAction(MenuCommand::StopSimulation)->trigger();
        QCOMPARE(t.enabledRunItems(), QStringLiteral("1110"));
        // Typed from scratch, before any conversion.
        t.w.controller().click(12);
        QCOMPARE(t.enabledRunItems(), QStringLiteral("0000"));
        t.w.Text1()->setPlainText(QStringLiteral("LD X01\nOUT Y01\n"));
        QCOMPARE(t.enabledRunItems(), QStringLiteral("1110"));
    }

    void checkAnswersInAMessageBoxAndChangesNothing() {
        Window t;
        t.drawSealIn();
        t.w.menuAction(MenuCommand::CheckList)->trigger();
        QCOMPARE(t.log.messages.size(), std::size_t{1});
        QCOMPARE(t.log.messages.back().text, QStringLiteral("语句表与梯形图一致。"));
        QCOMPARE(t.log.messages.back().caption, QStringLiteral("梯形图编辑器"));
        const QString wrong = QStringLiteral("ld X01\nor Y01\nand X02\nout Y01\nend\n");
        t.w.Text1()->setPlainText(wrong);
        const std::string list = t.w.controller().ladder().StatementList;
        t.w.menuAction(MenuCommand::CheckList)->trigger();
        QCOMPARE(t.log.messages.back().text, QStringLiteral("当 X01=1、X02=0、Y01=0 时，Y01：梯形图为 1，语句表为 0"));
        QCOMPARE(t.w.Text1()->toPlainText(), wrong);
        QCOMPARE(t.w.controller().ladder().StatementList, list);
    }

    void sealInPullsInHoldsAndDropsWithTheSheetShowingThePower() {
        Window t;
        t.drawSealIn();
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        DeviceTableWindow* table = t.w.deviceTable();
        QVERIFY(table && table->isVisible());
        QVERIFY(!table->isModal());
        QVERIFY(table->x() >= t.w.x());
        QCOMPARE(table->period()->value(), 100);
        QVERIFY(t.switchOf("X01") && t.switchOf("X02") && t.lampOf("Y01"));
        QVERIFY(!t.switchOf("Y01"));

        // Start pressed through the device table.
        t.switchOf("X01")->click();
        table->oneScan()->click();
        QVERIFY(t.lampOf("Y01")->text().contains(QStringLiteral("Y01 = 1")));
        QCOMPARE(table->scanCounter()->text(), QStringLiteral("扫描次数：1"));
        QVERIFY(t.marked(1, kCoilBody, ShapeKind::CoilBody, kPulledInColour));
        QVERIFY(t.marked(1, kX01Gap, ShapeKind::Glyphs, kEnergizedColour));
        // Released by clicking its contact on the sheet: Y01 holds through
        // its own contact on line 4 (index 3).
        const QPointF gap = t.w.Picture1()->cellOrigin(1, kX01Gap) + QPointF(3, 3);
        QTest::mouseClick(t.w.Picture1()->viewport(), Qt::LeftButton, {}, gap.toPoint());
        QVERIFY(!t.w.controller().simulation().simulation().value(t.w.controller().simulation().simulation().deviceOf("X01")));
        table->oneScan()->click();
        QVERIFY(!t.marked(1, kX01Gap, ShapeKind::Glyphs, kEnergizedColour));
        QVERIFY(t.marked(3, kX01Gap, ShapeKind::Glyphs, kEnergizedColour));
        QVERIFY(t.marked(1, kCoilBody, ShapeKind::CoilBody, kPulledInColour));
        // Continuous mode at the chosen period.
        table->period()->setValue(20);
        table->runPause()->click();
        QVERIFY(t.w.scanTimer()->isActive());
        QCOMPARE(t.w.scanTimer()->interval(), 20);
        t.switchOf("X02")->click();
        QTRY_VERIFY(t.lampOf("Y01")->text().contains(QStringLiteral("Y01 = 0")));
        QVERIFY(!t.marked(1, kCoilBody, ShapeKind::CoilBody, kPulledInColour));
        table->runPause()->click();
        QVERIFY(!t.w.scanTimer()->isActive());
        table->resetButton()->click();
        QCOMPARE(table->scanCounter()->text(), QStringLiteral("扫描次数：0"));
        table->stopButton()->click();
        QVERIFY(!t.w.controller().simulation().running());
        QVERIFY(!table->isVisible());
        QVERIFY(t.w.Picture1()->marks().empty());
    }

    void stepModeHighlightsTheLineAndShowsTheStack() {
        Window t;
        t.drawSealIn();
        t.w.menuAction(MenuCommand::StepSimulation)->trigger();  // starts, and runs LD X01
        QVERIFY(t.w.controller().simulation().running());
        t.w.menuAction(MenuCommand::StepSimulation)->trigger();  // OR Y01
        const QList<QTextEdit::ExtraSelection> marked = t.w.Text1()->extraSelections();
        QCOMPARE(marked.size(), 1);
        QCOMPARE(marked.front().cursor.block().blockNumber(), 1);
        QCOMPARE(t.w.deviceTable()->stackLabel()->text(), QStringLiteral("栈（自底向上）：0　（第2行之后）"));
        // The contact Y01 on line 4 is the element of OR Y01.
        QVERIFY(t.marked(3, kX01Gap, ShapeKind::Background, kStepColour));
        QVERIFY(!t.marked(1, kX01Gap, ShapeKind::Background, kStepColour));
    }

    void editsEndTheSimulationFirst() {
        Window t;
        t.drawSealIn();
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        t.w.controller().click(17);  // show diagram: a palette button
        QVERIFY(!t.w.controller().simulation().running());
        QVERIFY(!t.w.deviceTable()->isVisible());
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        QVERIFY(t.w.controller().simulation().running());
        t.w.Text1()->textCursor().insertText(QStringLiteral(" "));
        QVERIFY(!t.w.controller().simulation().running());
        QVERIFY(t.w.Picture1()->marks().empty());
        t.w.deviceTable()->close();  // from its frame
        QVERIFY(!t.w.controller().simulation().running());
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        t.w.controller().click(12);  // re-edit
        QVERIFY(!t.w.controller().simulation().running());
        QVERIFY(t.w.Picture1()->marks().empty());
    }

    void aListThatDoesNotReadIsRefused() {
        Window t;
        t.w.Text1()->setPlainText(QStringLiteral("LD X01\nXOR X02\n"));
        t.w.menuAction(MenuCommand::StartSimulation)->trigger();
        QVERIFY(!t.w.controller().simulation().running());
        QCOMPARE(t.log.messages.size(), std::size_t{1});
        QVERIFY(t.log.messages.back().text.startsWith(QStringLiteral("第2行：不是一条指令")));
    }
};

QTEST_MAIN(SimulationTest)
#include "test_simulation.moc"
